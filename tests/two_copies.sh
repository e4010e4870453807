# Sourced by the reproducibility checks: the sources copied twice, to different paths, and a command run in
# each copy, one after the other, under different umasks and time zones.

# in_two_copies SOURCE WORK WHAT COMMAND...: sets `copies` to the two copies' paths under WORK (made anew) and
# runs COMMAND in each; when it fails, prints its output and ends the check, naming WHAT.
in_two_copies() {
    local source=$1 work=$2 what=$3 i copy
    shift 3
    local umasks=(022 077) zones=(UTC Asia/Tokyo)
    copies=("$work/one/huebird" "$work/two/elsewhere/Huebird copy")
    rm -rf "$work"
    for i in 0 1; do
        copy=${copies[$i]}
        mkdir -p "$copy"
        tar -C "$source" --exclude=./build --exclude=./dist --exclude=./.git -cf - . |
            (umask "${umasks[$i]}" && tar -C "$copy" --no-same-permissions -xf -)
        [ "$i" -eq 0 ] || sleep 1
        if ! (cd "$copy" && umask "${umasks[$i]}" && export TZ=${zones[$i]} && "$@") >"$work/run$i.log" 2>&1; then
            cat "$work/run$i.log"
            echo "check_reproducible: FAIL: $what failed in $copy"
            exit 1
        fi
    done
}
