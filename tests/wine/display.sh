# Display helpers of the Wine bench, for scripts that source this file (sh or bash).
# A private Xvfb on a display number the server picks itself, so parallel runs never collide.

# Starts Xvfb, waits until it takes clients, exports DISPLAY and sets BENCH_XVFB_PID.
bench_xvfb_start() {
    _bench_fd_file=$(mktemp) || return 1
    # 1024 x 768 like the virtual desktop, so a screenshot of the root window is the whole desktop.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$_bench_fd_file" >/dev/null 2>&1 &
    BENCH_XVFB_PID=$!
    _bench_tries=0
    until [ -s "$_bench_fd_file" ]; do
        _bench_tries=$((_bench_tries + 1))
        if [ "$_bench_tries" -gt 100 ] || ! kill -0 "$BENCH_XVFB_PID" 2>/dev/null; then
            echo "Xvfb did not start" >&2
            rm -f "$_bench_fd_file"
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=:$(head -n 1 "$_bench_fd_file")
    export DISPLAY
    rm -f "$_bench_fd_file"
}

bench_xvfb_stop() {
    if [ -n "${BENCH_XVFB_PID:-}" ]; then
        kill "$BENCH_XVFB_PID" 2>/dev/null
        wait "$BENCH_XVFB_PID" 2>/dev/null
        BENCH_XVFB_PID=
    fi
}

# Saves the whole screen as a PNG file.
bench_screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

# The id of the first visible window whose title matches the regular expression, waiting up to $2 seconds.
bench_find_window() {
    timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

# Sends keys to a window. A bare X server has no focus of its own, and keys go to the window under the pointer
# unless the window is focused first.
bench_send_keys() {
    _bench_window=$1
    shift
    xdotool windowfocus --sync "$_bench_window" && xdotool key --clearmodifiers "$@"
}
