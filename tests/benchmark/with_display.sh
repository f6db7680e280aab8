#!/bin/sh
# Runs a Windows benchmark through the build's wine-run on a display: the caller's, or a private Xvfb for
# the run when there is none. The prefix's services start first, detached, so that they never hold the
# caller's output open after the benchmark ends.
#   with_display.sh <wine-run> <program.exe> [arguments]
WINE_RUN=$1
shift
. "$(dirname "$0")/../wine/display.sh"
if [ -z "${DISPLAY:-}" ]; then
    bench_xvfb_start || exit 1
    # The prefix's desktop lives on this display: its server goes with it, or the next run would find a
    # desktop on a display that is gone.
    trap '"$WINE_RUN" wineserver -k 2>/dev/null; bench_xvfb_stop' EXIT
fi
"$WINE_RUN" cmd /c exit </dev/null >/dev/null 2>&1
"$WINE_RUN" "$@"
