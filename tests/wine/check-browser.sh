#!/bin/sh
# A URL opened with the shell's "open" verb reaches the browser capture of the build folder, not a browser.
#   check-browser.sh <build>/wine-bench/bench.env bench_probe.exe
set -eu
. "$1"
probe=$2
url="http://www.tagmora.example/bench-check/$(date +%s)-$$"
"$TAGMORA_WINE_RUN" "$probe" open-url "$url"
# Wine's launcher runs in the background; the URL arrives a little later.
tries=0
until grep -qxF "$url" "$TAGMORA_BROWSER_LOG_FILE" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "check-browser: $url never reached $TAGMORA_BROWSER_LOG_FILE" >&2
        exit 1
    fi
    sleep 0.1
done
echo "captured $url"
