# Runs a command on a private virtual X server. Source this file, then:
#
#   with_xvfb build/bin/x11_display_tests --gtest_brief=1
#
# The server gets a display number nobody uses, a 1024x768 24-bit screen (the pixel layout the X11
# display and its tests expect) and no TCP listener. DISPLAY is set for the command only, and the
# function returns the command's status. Safe under `set -e` in the calling script.

# The first display number from $1 up with neither a lock file nor a socket.
_xvfb_free_display() {
    local number
    for ((number = $1; number < 1000; number++)); do
        if [[ ! -e /tmp/.X${number}-lock && ! -e /tmp/.X11-unix/X${number} ]]; then
            echo "$number"
            return 0
        fi
    done
    return 1
}

# Starts Xvfb on a free display and returns once it accepts connections, setting the variables named
# by $1 (display number) and $2 (server pid). Another script may take the same number at the same
# moment: the loser's server exits at once, and it tries the next number.
_xvfb_start() {
    local -n _xvfb_number=$1 _xvfb_pid=$2
    local work candidate=98 ready attempt
    work=$(mktemp -d) || return 1
    for attempt in 1 2 3 4 5; do
        candidate=$(_xvfb_free_display $((candidate + 1))) || break
        mkfifo "$work/ready"
        # -displayfd: the server writes its number into the pipe when it is ready, or closes it failing.
        Xvfb ":$candidate" -screen 0 1024x768x24 -nolisten tcp -noreset -displayfd 3 3>"$work/ready" 2>"$work/log" &
        _xvfb_pid=$!
        ready=""
        read -r ready <"$work/ready" || true
        rm -f "$work/ready"
        if [[ "$ready" == "$candidate" ]]; then
            _xvfb_number=$candidate
            rm -rf "$work"
            return 0
        fi
        wait "$_xvfb_pid" 2>/dev/null || true
        echo "xvfb.sh: Xvfb :$candidate did not start (attempt $attempt):" >&2
        tail -n 5 "$work/log" >&2 || true
    done
    rm -rf "$work"
    return 1
}

with_xvfb() {
    if [[ $# -eq 0 ]]; then
        echo "usage: with_xvfb COMMAND [ARGUMENT...]" >&2
        return 2
    fi
    if ! command -v Xvfb >/dev/null; then
        echo "xvfb.sh: Xvfb is not installed (Debian package xvfb)" >&2
        return 127
    fi
    local number="" server_pid="" status=0
    _xvfb_start number server_pid || return 1

    DISPLAY=":$number" "$@" || status=$?

    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
    return "$status"
}
