# What cmake/wine-run and cmake/wine-run-arm64 share, sourced by both after they set `runner` to their name:
# their own failures, the Windows command-line limit and the making of a prefix.

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

# make_prefix PREFIX SECONDS COMMAND...: creates the prefix once, by COMMAND, which takes about SECONDS; the
# lock keeps tests that start together from creating it twice. The marker is written last, so a prefix that
# was cut short is set up again.
make_prefix() {
    local prefix=$1 seconds=$2 parent log status=0
    shift 2
    [ ! -f "$prefix/.unmanaged" ] || return 0
    parent=$(dirname "$prefix")
    mkdir -p "$parent" 2>/dev/null || fail "cannot make the prefix $prefix: cannot create the folder $parent"
    [ -w "$parent" ] || fail "cannot make the prefix $prefix: the folder $parent is not writable"
    [ ! -e "$prefix" ] || [ -d "$prefix" ] || fail "cannot make the prefix $prefix: it exists and is not a folder"
    log=$(mktemp)
    (
        flock 9
        if [ ! -f "$prefix/.unmanaged" ]; then
            echo "$runner: making the Wine prefix $prefix (about $seconds s, once)" >&2
            "$@" >"$log" 2>&1 && touch "$prefix/.unmanaged"
        fi
    ) 9>"$prefix.lock" || status=$?
    if [ "$status" -ne 0 ] || [ ! -f "$prefix/.unmanaged" ]; then
        echo "$runner: cannot make the prefix $prefix: Wine's set-up failed (status $status); its output:" >&2
        sed 's/^/  /' "$log" >&2
        rm -f "$log"
        exit 125
    fi
    rm -f "$log"
}
