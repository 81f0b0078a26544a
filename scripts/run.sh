#!/usr/bin/env bash
# Installs what is needed, builds, and starts KORVELT Time Control.
#   scripts/run.sh          the program, talking to a KORVELT on USB
#   scripts/run.sh --demo   the demo build, talking to a simulated KORVELT
# Further arguments go to the program, e.g. a data file to open.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

program=korvelt-time-control
if [ "${1:-}" = "--demo" ]; then
    program=korvelt-time-control-demo
    shift
fi

scripts/install-deps.sh
mkdir -p build/logs
echo "Building $program (log: $top/build/logs/build-release.log)"
# Only the program and its help file: the tests, benchmarks and fuzz targets are left to
# scripts/test.sh.
if ! { cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build build/release --target "$program"; } >build/logs/build-release.log 2>&1; then
    tail -n 60 build/logs/build-release.log
    echo "Build FAILED"
    exit 1
fi

binary="$top/build/release/app/$program"
if [ ! -x "$binary" ]; then
    echo "$binary was not built"
    exit 1
fi
echo "Program: $binary"
echo "Logs:    $top/build/logs/ (the program itself writes no log file)"

case "${1:-}" in
    -h | --help | -v | --version) exec "$binary" "$@" ;; # print and exit: no display needed
esac
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the window runs under xvfb-run,"
    echo "on a virtual screen that nobody sees. Press Ctrl+C here to stop it (or: kill $$)."
    echo "To see the window, run this from a desktop session, or with ssh -X."
    exec xvfb-run -a "$binary" "$@"
fi
exec "$binary" "$@"
