#!/usr/bin/env bash
# Installs what is needed, checks the layout of the sources, builds, and runs the whole test
# suite headless: once in a normal build (then clang-tidy over every layer) and once built with
# AddressSanitizer and UndefinedBehaviorSanitizer; the threaded tests once more under
# ThreadSanitizer; then builds the fuzz targets with clang and runs each for a fixed number of
# inputs; and builds the whole program for Windows and runs it under Wine. Every build treats
# a compiler warning as an error.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
# A compiler cache, where there is one, makes a second run rebuild only what changed.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
mkdir -p build/logs
status=0

# run_configuration NAME "CTEST ARGUMENTS" "BUILD TARGETS" CMAKE ARGUMENTS...
run_configuration() {
    local name=$1 ctest_args=$2 targets=$3
    shift 3
    local dir="build/$name"
    echo "== $name: configure and build (log: $top/build/logs/build-$name.log)"
    # shellcheck disable=SC2086
    if ! { cmake -S . -B "$dir" -G Ninja "$@" && cmake --build "$dir" ${targets:+--target $targets}; } \
        >"build/logs/build-$name.log" 2>&1; then
        tail -n 60 "build/logs/build-$name.log"
        echo "== $name: build FAILED"
        status=1
        return
    fi
    echo "== $name: tests (log: $top/$dir/Testing/Temporary/LastTest.log)"
    # Two at a time: the fault soak alone takes minutes, and the rest run beside it.
    # shellcheck disable=SC2086
    if ! ctest --test-dir "$dir" --output-on-failure --timeout 900 -j 2 $ctest_args; then
        status=1
    fi
}

# The sources laid out as .clang-format says.
echo "== format (log: $top/build/logs/format.log)"
if ! scripts/check-format.sh >build/logs/format.log 2>&1; then
    tail -n 20 build/logs/format.log
    echo "== format: FAILED, $(grep -c 'code should be clang-formatted' build/logs/format.log || true) places differ"
    status=1
fi

run_configuration release "" "" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELT_WARNINGS_AS_ERRORS=ON

# clang-tidy with .clang-tidy over every layer's sources and headers, as the release build
# compiles them (scripts/tidy.sh; it fails on any finding).
if [ -d build/release/app ]; then
    echo "== tidy (log: $top/build/logs/tidy.log)"
    scripts/tidy.sh build/release || status=1
fi

# The install tree and the Debian package of the release build: each holds exactly the files
# of desktop/installed-files.txt, the desktop entry and the AppStream data pass their
# validators, and lintian finds no errors in the package.
# check_tree NAME ROOT: the files under ROOT against the list.
check_tree() {
    if ! (cd "$2" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) |
            diff -u <(LC_ALL=C sort desktop/installed-files.txt) - >"build/logs/files-$1.diff"; then
        echo "== $1: not the expected files (- missing, + unexpected):"
        tail -n +3 "build/logs/files-$1.diff"
        status=1
    fi
}
package_checks() {
    local root=build/install-root package=build/package
    echo "== install and package checks (log: $top/build/logs/package.log)"
    rm -rf "$root" "$package"
    DESTDIR="$top/$root" cmake --install build/release --prefix /usr >build/logs/package.log 2>&1 || return 1
    check_tree install "$root"
    desktop-file-validate "$root/usr/share/applications/org.korvelt.TimeControl.desktop" || return 1
    appstreamcli validate --no-net "$root/usr/share/metainfo/org.korvelt.TimeControl.metainfo.xml" || return 1
    (cd build/release && cpack -G DEB -B "$top/$package") >>build/logs/package.log 2>&1 || return 1
    local deb
    deb=$(ls "$package"/*.deb)
    dpkg-deb -c "$deb" >>build/logs/package.log
    dpkg-deb -x "$deb" "$package/root"
    check_tree package "$package/root"
    # Warnings that stay are named in README.md ("The Debian package").
    local lint=0
    lintian --fail-on error "$deb" >build/logs/lintian.log 2>&1 || lint=1
    grep -v "running with root privileges" build/logs/lintian.log || true
    [ $lint -eq 0 ] || return 1
    echo "== package: $top/$deb"
}
if [ -d build/release/app ] && ! package_checks; then
    echo "== install and package checks FAILED"
    status=1
fi
run_configuration asan "" "" -DCMAKE_BUILD_TYPE=Debug -DKORVELT_SANITIZE=ON -DKORVELT_WARNINGS_AS_ERRORS=ON
# The tests with a reader thread, under ThreadSanitizer. Qt itself is not instrumented, so
# what its own code does is not judged; tests/tsan.supp names the one hand-over it cannot see.
TSAN_OPTIONS="ignore_noninstrumented_modules=1 halt_on_error=1 suppressions=$top/tests/tsan.supp" \
    run_configuration tsan "-L threaded" "test_port1comms test_session test_devicelink test_faultsoak test_commands" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVELT_TSAN=ON -DKORVELT_WARNINGS_AS_ERRORS=ON
# The fuzz targets, each run for a fixed number of inputs (scripts/fuzz.sh runs them longer).
run_configuration fuzz "" "" -DCMAKE_CXX_COMPILER=clang++-14 -DKORVELT_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVELT_WARNINGS_AS_ERRORS=ON

# The whole program for Windows, cross-built with MinGW-w64 (Qt from ../shared/toolchains or
# KORVELT_QT_MINGW, unpacked into ~/.cache/korvelt), then run under Wine on a virtual display:
# the tests that make sense there, korveltctl, the demo's window and help, the installer.
windows_start=$SECONDS
echo "== windows: build with MinGW-w64 (log: $top/build/logs/build-windows.log)"
if scripts/build-windows.sh >build/logs/build-windows.log 2>&1; then
    echo "== windows: built in $((SECONDS - windows_start)) s"
    xvfb-run -a -s "-screen 0 1600x1000x24" scripts/test-windows.sh || status=1
else
    tail -n 60 build/logs/build-windows.log
    echo "== windows: build FAILED"
    status=1
fi
echo "== windows: stage took $((SECONDS - windows_start)) s"

echo "Program: $top/build/release/app/korvelt-time-control"
echo "Logs:    $top/build/logs/ and build/<configuration>/Testing/Temporary/LastTest.log"
exit $status
