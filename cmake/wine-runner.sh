# What cmake/wine-run and cmake/wine-run-arm64 share, sourced by both after they set `runner` to their name:
# their own failures, the Windows command-line limit, the making of a prefix, the session that keeps one Wine
# server and one virtual display for a prefix's runs, and the report of a program that crashed.

# fail MESSAGE: the runner's own failure, in English whatever the caller's locale.
fail() {
    echo "$runner: $*" >&2
    exit 125
}

# check_command_line ARGUMENT...: Windows passes a command line of at most 32767 characters, and Wine fails
# without a word on a longer one. Counted as Windows joins it: each argument quoted, with a blank between.
check_command_line() {
    local length=0 argument
    for argument in "$@"; do
        length=$((length + ${#argument} + 3))
    done
    [ "$length" -le 32767 ] || fail "the command line is about $length characters; Windows takes at most 32767"
}

# wine_locale: sets `locale_env` to the variables that give the Wine processes their locale, whatever the
# caller's own: HUEBIRD_WINE_LANG (default ja_JP.UTF-8, code page 932) for every category but the messages,
# which give the display language: HUEBIRD_WINE_MESSAGES where set, else the same. Wine takes the ANSI code
# page from the first and the user-interface language from the second, so LANG=en_US.UTF-8 with
# ja_JP.UTF-8 messages is a Japanese display language on code page 1252.
wine_locale() {
    local lang=${HUEBIRD_WINE_LANG:-ja_JP.UTF-8} category
    locale_env=(LANG="$lang" LANGUAGE= LC_ALL=)
    for category in CTYPE NUMERIC TIME COLLATE MONETARY PAPER NAME ADDRESS TELEPHONE MEASUREMENT IDENTIFICATION; do
        locale_env+=("LC_$category=$lang")
    done
    locale_env+=("LC_MESSAGES=${HUEBIRD_WINE_MESSAGES:-$lang}")
}

# A prefix's version says which steps of its set-up it has had, in the file .huebird-prefix: 1, made, with
# Wine drawing the windows' frames itself (such prefixes hold .unmanaged instead); 2, with no crash debugger,
# so that a program that crashes ends at once. An older prefix gets the steps it lacks, once.
prefix_version=2
version_of_prefix() {
    local version=
    if [ -f "$1/.huebird-prefix" ]; then
        read -r version <"$1/.huebird-prefix" || true
    elif [ -f "$1/.unmanaged" ]; then
        version=1
    fi
    case $version in
    [0-9]*) echo "$version" ;;
    *) echo 0 ;;
    esac
}

# make_prefix PREFIX SECONDS COMMAND...: brings the prefix to the current version by COMMAND, given the
# version the prefix has (0: none), which takes about SECONDS to make one; the lock keeps tests that start
# together from doing it twice. The version is written last, so a set-up that was cut short runs again.
make_prefix() {
    local prefix=$1 seconds=$2 parent log status=0
    shift 2
    [ "$(version_of_prefix "$prefix")" -lt "$prefix_version" ] || return 0
    parent=$(dirname "$prefix")
    mkdir -p "$parent" 2>/dev/null || fail "cannot make the prefix $prefix: cannot create the folder $parent"
    [ -w "$parent" ] || fail "cannot make the prefix $prefix: the folder $parent is not writable"
    [ ! -e "$prefix" ] || [ -d "$prefix" ] || fail "cannot make the prefix $prefix: it exists and is not a folder"
    log=$(mktemp)
    (
        flock 9
        have=$(version_of_prefix "$prefix")
        if [ "$have" -lt "$prefix_version" ]; then
            if [ "$have" -eq 0 ]; then
                echo "$runner: making the Wine prefix $prefix (about $seconds s, once)" >&2
            else
                echo "$runner: bringing the Wine prefix $prefix up to date (once)" >&2
            fi
            "$@" "$have" >"$log" 2>&1 && echo "$prefix_version" >"$prefix/.huebird-prefix.new" &&
                mv -f "$prefix/.huebird-prefix.new" "$prefix/.huebird-prefix"
        fi
    ) 9>"$prefix.lock" || status=$?
    if [ "$status" -ne 0 ] || [ "$(version_of_prefix "$prefix")" -lt "$prefix_version" ]; then
        echo "$runner: cannot make the prefix $prefix: Wine's set-up failed (status $status); its output:" >&2
        sed 's/^/  /' "$log" >&2
        rm -f "$log"
        exit 125
    fi
    rm -f "$log"
}

# The crash debugger's registry value, emptied: Wine then starts none, and the program ends with the
# exception's code, where its debugger would wait for someone to close it.
aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'

# A session keeps a Wine server and, without a real display, a virtual one (Xvfb) for the prefix's runs, from
# `RUNNER PREFIX --start` to `RUNNER PREFIX --stop`: the runs in between start and wait for neither. Its file,
# PREFIX.session, names the display, the Xvfb and a watcher that ends the Xvfb and the file when the server
# ends: after --stop, or after session_linger seconds without a program, should --stop never come.
session_linger=120

# read_session FILE: sets the caller's display, virtual, xvfb and watcher from the session file, one line of
# name=value words, read as data: other names are ignored, and a process number must be digits. Fails where
# there is no such file or it does not hold that line.
read_session() {
    local words word value
    read -r -a words 2>/dev/null <"$1" || return 1
    for word in "${words[@]}"; do
        value=${word#*=}
        case $word in
        display=*) display=$value ;;
        virtual=yes | virtual=no) virtual=$value ;;
        xvfb=* | watcher=*)
            [[ $value =~ ^[0-9]*$ ]] || return 1
            if [ "${word%%=*}" = xvfb ]; then xvfb=$value; else watcher=$value; fi ;;
        esac
    done
}

# session_display PREFIX: prints the session's display and whether it is virtual ("DISPLAY yes|no"), or
# fails where the prefix has no live session.
session_display() {
    local display= virtual= watcher=
    read_session "$1.session" || return 1
    [ -n "$display" ] && [ -n "$watcher" ] && kill -0 "$watcher" 2>/dev/null || return 1
    echo "$display $virtual"
}

# start_session PREFIX SERVER WAIT_COMMAND... -- BOOT_COMMAND...: ends an older session, then starts one: a
# virtual display unless a real one answers, the server kept by SERVER (a function given wineserver's
# options), Wine's own processes started by BOOT_COMMAND with their output in PREFIX.session.log rather than
# in a test's, and a watcher running WAIT_COMMAND, which returns when the server has ended.
start_session() {
    local prefix=$1 server=$2 display virtual=no xvfb= number= waited=0 watcher
    shift 2
    local wait_command=()
    while [ "$1" != -- ]; do
        wait_command+=("$1")
        shift
    done
    shift
    stop_session "$prefix" "$server"
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        display=$DISPLAY
    else
        # Xvfb writes its display's number to the file once it takes connections.
        : >"$prefix.display"
        setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$prefix.display" </dev/null \
            >"$prefix.xvfb.log" 2>&1 &
        xvfb=$!
        while ! read -r number <"$prefix.display" 2>/dev/null || [ -z "$number" ]; do
            kill -0 "$xvfb" 2>/dev/null && [ "$waited" -lt 200 ] ||
                fail "the virtual display (Xvfb) did not start; its output: $(cat "$prefix.xvfb.log")"
            sleep 0.05
            waited=$((waited + 1))
        done
        rm -f "$prefix.display"
        display=:$number virtual=yes
    fi
    export DISPLAY=$display
    [ "$virtual" = no ] || export HUEBIRD_VIRTUAL_DISPLAY=1
    # Nothing of the session may hold the output of the command that starts it: ctest waits for that to close.
    if ! "$server" -p"$session_linger" </dev/null >"$prefix.session.log" 2>&1 ||
        ! "$@" </dev/null >>"$prefix.session.log" 2>&1; then
        [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null
        fail "cannot start the Wine server of $prefix; Wine's output: $(cat "$prefix.session.log")"
    fi
    setsid sh -c 'xvfb=$1 session=$2; shift 2; "$@"; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -f "$session"' \
        watcher "$xvfb" "$prefix.session" "${wait_command[@]}" </dev/null >/dev/null 2>&1 &
    watcher=$!
    printf 'display=%s virtual=%s xvfb=%s watcher=%s\n' "$display" "$virtual" "$xvfb" "$watcher" >"$prefix.session"
}

# stop_session PREFIX SERVER: ends the prefix's server and Wine's processes, then the session's display, if
# it has one; waits for both.
stop_session() {
    local prefix=$1 server=$2 display= virtual= xvfb= watcher= waited=0
    [ ! -f "$prefix.session" ] || read_session "$prefix.session" || xvfb= watcher=
    "$server" -k 2>/dev/null || true
    "$server" -w 2>/dev/null || true
    for pid in $xvfb $watcher; do
        kill "$pid" 2>/dev/null || continue
        while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
            sleep 0.05
            waited=$((waited + 1))
        done
    done
    rm -f "$prefix.session"
}

# run_reporting_crash PROGRAM COMMAND...: runs COMMAND, which runs the Windows program PROGRAM, with its
# stderr passed on as it comes; returns its exit status. Wine passes on only the low byte of a Windows exit
# code, and says that a program crashed without the exception's code for the common ones: where its line is
# there and the status is that code's low byte, a line on stderr gives the whole code (status 1 for a code
# whose low byte is 0).
run_reporting_crash() {
    local program=$1 errors status=0 line code
    shift
    errors=$(mktemp)
    # stderr through tee, and stdout past it on descriptor 3.
    {
        if "$@" 2>&1 >&3 3>&- | tee "$errors" >&2 3>&-; then status=0; else status=${PIPESTATUS[0]}; fi
    } 3>&1
    line=$(grep -a -m1 '^wine: .* (thread [0-9a-f]*), starting debugger' "$errors") || line=
    rm -f "$errors"
    # The messages of Wine's format_exception_msg, with the codes they stand for.
    case ${line#wine: } in
    "Unhandled page fault"*) code=0xC0000005 ;;
    "Unhandled division by zero"*) code=0xC0000094 ;;
    "Unhandled overflow"*) code=0xC0000095 ;;
    "Unhandled array bounds"*) code=0xC000008C ;;
    "Unhandled illegal instruction"*) code=0xC000001D ;;
    "Unhandled stack overflow"*) code=0xC00000FD ;;
    "Unhandled privileged instruction"*) code=0xC0000096 ;;
    "Unhandled alignment"*) code=0x80000002 ;;
    "Unhandled ^C"*) code=0xC000013A ;;
    "Critical section "*) code=0xC0000194 ;;
    "Unimplemented function "*) code=0x80000100 ;;
    "Assertion failed"*) code=0x80000101 ;;
    "Unhandled exception 0x"*)
        code=${line#*Unhandled exception 0x}
        code=0x$(echo "${code%% *}" | tr a-f A-F) ;;
    *) return "$status" ;;
    esac
    # Another process of the run may have crashed: the program's own status tells.
    [ $((code & 255)) -eq "$status" ] || return "$status"
    echo "$runner: $(basename "$program") crashed with exception code $code (Wine passes on the exit" \
         "status $status, the low byte; no debugger was started)" >&2
    [ "$status" -ne 0 ] || status=1
    return "$status"
}
