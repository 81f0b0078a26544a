#!/usr/bin/env bash
# Installs what is needed, builds, and starts KORVELT Time Control.
#   scripts/run.sh          the program, talking to a KORVELT on USB
#   scripts/run.sh --demo   the demo build, talking to a simulated KORVELT
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

program=korvelt-time-control
if [ "${1:-}" = "--demo" ]; then
    program=korvelt-time-control-demo
fi

scripts/install-deps.sh
mkdir -p build/logs
echo "Building (log: $top/build/logs/build-release.log)"
if ! { cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build build/release; } >build/logs/build-release.log 2>&1; then
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

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting it under xvfb-run."
    exec xvfb-run -a "$binary"
fi
exec "$binary"
