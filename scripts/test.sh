#!/usr/bin/env bash
# Installs what is needed, builds, and runs the whole test suite headless: once in a normal
# build and once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
mkdir -p build/logs
status=0

run_configuration() {
    local name=$1
    shift
    local dir="build/$name"
    echo "== $name: configure and build (log: $top/build/logs/build-$name.log)"
    if ! { cmake -S . -B "$dir" -G Ninja "$@" && cmake --build "$dir"; } >"build/logs/build-$name.log" 2>&1; then
        tail -n 60 "build/logs/build-$name.log"
        echo "== $name: build FAILED"
        status=1
        return
    fi
    echo "== $name: tests (log: $top/$dir/Testing/Temporary/LastTest.log)"
    if ! ctest --test-dir "$dir" --output-on-failure --timeout 900; then
        status=1
    fi
}

run_configuration release -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_configuration asan -DCMAKE_BUILD_TYPE=Debug -DKORVELT_SANITIZE=ON

echo "Program: $top/build/release/app/korvelt-time-control"
echo "Logs:    $top/build/logs/ and build/<configuration>/Testing/Temporary/LastTest.log"
exit $status
