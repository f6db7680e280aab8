#!/usr/bin/env bash
# Builds and runs Tagmora Professional on Debian 12, or builds and tests every configuration.
#   ./tagmora.sh run    install what is missing, build the Windows program, start it under Wine
#   ./tagmora.sh test   install what is missing, build every configuration, run every test
#   ./tagmora.sh release   install what is missing, build the zip and the installer into build/release/
# Build folders live in build/ (or $TAGMORA_BUILD); a second run installs nothing and builds incrementally.
set -u -o pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=${TAGMORA_BUILD:-$ROOT/build}
PARALLEL=2
# How long `run` shows the program on a private X server before it takes the screenshot.
RUN_SECONDS=${TAGMORA_RUN_SECONDS:-6}

# shellcheck source=tests/wine/display.sh
. "$ROOT/tests/wine/display.sh"

PACKAGES=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev googletest libgtest-dev
    mingw-w64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 fonts-wine fonts-liberation
    xvfb xdotool imagemagick ghostscript nsis)

NATIVE=$BUILD/native
FUZZ=$BUILD/fuzz
WIN32=$BUILD/win32
WIN64=$BUILD/win64
RELEASE=$BUILD/release

SETUP_TIME=0
BUILD_TIME=0
TEST_TIME=0
FAILURES=()

say() { printf '\n== %s\n' "$*"; }
fail() {
    FAILURES+=("$1")
    printf '!! FAILED: %s\n' "$1" >&2
}
# Microseconds since the epoch.
now() { echo "${EPOCHREALTIME/[.,]/}"; }
# Adds the time since $2 to the phase total named $1.
add_time() { printf -v "$1" '%s' "$((${!1} + $(now) - $2))"; }
seconds() { printf '%d.%d s' "$(($1 / 1000000))" "$(($1 / 100000 % 10))"; }

install_missing() {
    local missing=() package
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        echo "All ${#PACKAGES[@]} packages are installed."
        return 0
    fi
    say "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Installing packages needs root: run this script as root (or install them first)." >&2
        return 1
    fi
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        dpkg --add-architecture i386 || return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update && apt-get install -y "${missing[@]}"
}

# The product is 32-bit, but Wine can only run it where the kernel runs 32-bit processes. Elsewhere the same
# code is tested as a 64-bit build under wine64.
choose_test_arch() {
    local reason
    if reason=$(/usr/lib/wine/wineserver32 --version 2>&1 >/dev/null); then
        TEST_BUILD=$WIN32
        echo "Windows tests: 32-bit (i686) build under wine32, because this machine runs 32-bit processes."
    else
        TEST_BUILD=$WIN64
        reason=${reason##*: }
        echo "Windows tests: 64-bit (x86_64) build under wine64, because this machine cannot run 32-bit" \
            "processes (wineserver32: ${reason:-does not start}); the 32-bit product is built but not run."
    fi
}

# Configures a build folder when it is new or its options changed; after that ninja reconfigures by itself.
configure() {
    local dir=$1
    shift
    local options="$*"
    if [ -f "$dir/CMakeCache.txt" ] && [ "$(cat "$dir/.tagmora-options" 2>/dev/null)" = "$options" ]; then
        return 0
    fi
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@" && echo "$options" >"$dir/.tagmora-options" || {
        fail "configure $dir"
        return 1
    }
}

configure_native() { configure "$NATIVE" -DCMAKE_BUILD_TYPE=Debug -DTAGMORA_SANITIZE=ON; }
configure_fuzz() {
    configure "$FUZZ" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DTAGMORA_FUZZ=ON
}
# The 32-bit product also packs the release (zip and installer) into build/release/.
configure_windows() {
    local dir=$1 toolchain=i686 release=-DTAGMORA_RELEASE_DIR=$RELEASE
    [ "$dir" = "$WIN64" ] && toolchain=x86_64 release=
    configure "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$toolchain-mingw.cmake" \
        ${release:+"$release"}
}

# build NAME DIR [ninja targets]
build() {
    local name=$1 dir=$2
    shift 2
    say "Building $name in $dir"
    cmake --build "$dir" --parallel "$PARALLEL" ${1:+--target "$@"} || {
        fail "build $name"
        return 1
    }
}

make_prefix() {
    say "Wine prefix of $1"
    cmake --build "$1" --target wine_prefix || {
        fail "Wine prefix of $1"
        return 1
    }
}

# Stops whatever a test run or program run started, on every way out of the script.
WINESERVER_STARTED=
cleanup() {
    if [ -n "$WINESERVER_STARTED" ]; then
        "$WINESERVER_STARTED/wine-run" wineserver -k 2>/dev/null
        WINESERVER_STARTED=
    fi
    bench_xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One wineserver for the whole run: each Wine start then costs ~0.35 s instead of ~2.5 s. "-p" does nothing
# while an older server of the prefix is still winding down, hence the "-w" first (and "-k" for a server a
# killed run left behind, which would never wind down).
start_wineserver() {
    timeout 20 "$1/wine-run" wineserver -w || "$1/wine-run" wineserver -k
    "$1/wine-run" wineserver -p || return 1
    WINESERVER_STARTED=$1
    # The first program starts the prefix's services, which then live as long as the server and keep every
    # descriptor they inherited: started from ctest, they would hold its output pipe open and ctest would
    # wait for them forever. So start them here, detached from any pipe.
    "$1/wine-run" cmd /c exit </dev/null >/dev/null 2>&1
}

test_environment() {
    export CUPS_SERVER=/nonexistent/cups.sock
    unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY
}

# Every C++ file of the repository as .clang-format lays it out; the files that differ fail the run.
check_format() {
    local files unformatted
    say "Checking the C++ layout against .clang-format"
    mapfile -t files < <(git -C "$ROOT" ls-files --cached --others --exclude-standard '*.cpp' '*.h')
    [ ${#files[@]} -gt 0 ] || return 0
    unformatted=$(cd "$ROOT" && for f in "${files[@]}"; do
        [ -f "$f" ] && ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1 && echo "$f"
    done)
    if [ -n "$unformatted" ]; then
        printf 'Not formatted (clang-format -i <file> mends it):\n%s\n' "$unformatted" >&2
        fail "format check"
        return 1
    fi
    echo "All ${#files[@]} files are formatted."
}

# The folders' include graph ("app uses dialogs", ...) must have no cycle: tsort refuses one.
check_folder_cycles() {
    local edges
    say "Checking that no two folders use each other"
    edges=$(cd "$ROOT" && git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | grep -v '^tests/' |
        while read -r f; do
            grep -ho '^#include "[a-z_]*/' "$f" | sed 's/^#include "//; s#/$##' | sed "s#^#${f%%/*} #"
        done | awk '$1 != $2' | sort -u)
    if ! tsort <<<"$edges" >/dev/null 2>&1; then
        printf 'The folders include each other in a cycle:\n%s\n' "$edges" >&2
        fail "folder dependencies"
        return 1
    fi
    echo "No cycle between folders."
}

print_times() {
    say "Wall time"
    echo "set-up (packages, Wine prefix): $(seconds "$SETUP_TIME")"
    echo "builds:                         $(seconds "$BUILD_TIME")"
    echo "tests:                          $(seconds "$TEST_TIME")"
}

finish() {
    if [ ${#FAILURES[@]} -eq 0 ]; then
        say "All passed."
        exit 0
    fi
    say "Failed:"
    printf '  %s\n' "${FAILURES[@]}"
    exit 1
}

command_test() {
    local start windows_ok=1 fuzz_log fuzz_pid

    start=$(now)
    install_missing || {
        fail "package installation"
        finish
    }
    add_time SETUP_TIME "$start"
    choose_test_arch
    check_format
    check_folder_cycles

    start=$(now)
    local native_ok=1 fuzz_ok=1
    { configure_native && build "native core with sanitizers" "$NATIVE"; } || native_ok=
    { configure_fuzz && build "fuzzers" "$FUZZ" setup_file_fuzzer catalogue_fuzzer address_file_fuzzer printers_file_fuzzer; } || fuzz_ok=
    # The product failing to build is a failure of its own; the 64-bit test build is still tested.
    { configure_windows "$WIN32" && build "32-bit Windows product" "$WIN32"; } ||
        [ "$TEST_BUILD" != "$WIN32" ] || windows_ok=
    if [ "$TEST_BUILD" != "$WIN32" ]; then
        { configure_windows "$TEST_BUILD" && build "64-bit Windows test build" "$TEST_BUILD"; } || windows_ok=
    fi
    add_time BUILD_TIME "$start"

    if [ -n "$windows_ok" ]; then
        start=$(now)
        make_prefix "$TEST_BUILD" || windows_ok=
        add_time SETUP_TIME "$start"
    fi

    start=$(now)
    test_environment
    if [ -n "$native_ok" ]; then
        say "Native tests (AddressSanitizer, UBSan)"
        ctest --test-dir "$NATIVE" --output-on-failure --parallel "$PARALLEL" || fail "native tests"
    fi
    # The fuzzer explores for a fixed time on one core while the Windows tests use the other.
    if [ -n "$fuzz_ok" ]; then
        fuzz_log=$FUZZ/fuzz-test.log
        ctest --test-dir "$FUZZ" -L fuzz --output-on-failure >"$fuzz_log" 2>&1 &
        fuzz_pid=$!
    fi
    if [ -n "$windows_ok" ]; then
        say "Windows tests under Wine ($TEST_BUILD)"
        if bench_xvfb_start && start_wineserver "$TEST_BUILD"; then
            ctest --test-dir "$TEST_BUILD" --output-on-failure --timeout 300 || fail "Windows tests"
        else
            fail "Xvfb or wineserver for the Windows tests"
        fi
        cleanup
    fi
    if [ -n "$fuzz_ok" ]; then
        say "Fuzzing the setup file and catalogue readers"
        if wait "$fuzz_pid"; then
            grep -E 'tests passed|Passed|stat::number_of_executed_units|stat::new_units_added' "$fuzz_log"
        else
            cat "$fuzz_log"
            fail "fuzz test (log: $fuzz_log; findings in $FUZZ/tests/fuzz/findings)"
        fi
    fi
    add_time TEST_TIME "$start"

    print_times
    finish
}

command_run() {
    local start dir program
    start=$(now)
    install_missing || {
        fail "package installation"
        finish
    }
    add_time SETUP_TIME "$start"
    choose_test_arch
    dir=$TEST_BUILD

    start=$(now)
    configure_windows "$dir" && build "Windows program" "$dir" || finish
    add_time BUILD_TIME "$start"

    # CMake writes the program's path here when the target Tagmora exists.
    program=$(cat "$dir/wine-bench/program-path" 2>/dev/null)
    if [ -z "$program" ] || [ ! -f "$program" ]; then
        say "There is no program yet: the build has no target Tagmora (Tagmora.exe). Everything else built."
        exit 0
    fi

    start=$(now)
    make_prefix "$dir" || finish
    add_time SETUP_TIME "$start"
    test_environment
    cd "$(dirname "$program")" || exit 1

    if [ -n "${DISPLAY:-}" ]; then
        say "Starting $program under Wine on $DISPLAY"
        "$dir/wine-run" "$program"
        exit $?
    fi

    bench_xvfb_start || exit 1
    say "Starting $program under Wine on a private X server ($DISPLAY)"
    "$dir/wine-run" "$program" &
    local pid=$! window
    sleep "$RUN_SECONDS"
    bench_screenshot "$dir/screenshot.png" && echo "Screenshot: $dir/screenshot.png"
    # Close it as a user would, so that it saves its state; only a program that will not close is stopped.
    window=$(bench_find_window '^Tagmora' 5)
    [ -n "$window" ] && bench_send_keys "$window" alt+F4
    local waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 100 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "Tagmora did not close within 10 s; stopping its Wine processes." >&2
        "$dir/wine-run" wineserver -k
        wait "$pid"
        exit 1
    fi
    wait "$pid"
    local status=$?
    echo "Tagmora closed (exit code $status)."
    # Let Wine's desktop and services wind down before their X server goes.
    timeout 15 "$dir/wine-run" wineserver -w || "$dir/wine-run" wineserver -k
    exit "$status"
}

command_release() {
    local start
    start=$(now)
    install_missing || {
        fail "package installation"
        finish
    }
    add_time SETUP_TIME "$start"
    start=$(now)
    { configure_windows "$WIN32" && build "the release of the 32-bit product" "$WIN32" release; } || finish
    add_time BUILD_TIME "$start"
    say "Release in $RELEASE"
    ls -l "$RELEASE"
    finish
}

case "${1:-}" in
test) command_test ;;
run) command_run ;;
release) command_release ;;
*)
    echo "usage: $0 run | test | release" >&2
    exit 2
    ;;
esac
