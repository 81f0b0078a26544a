#!/usr/bin/env bash
# Builds the program for 64-bit Windows with MinGW-w64 into build/windows: the program, the
# demo, korveltctl and the tests, warnings as errors, each .exe with the DLLs it needs beside it
# (build/windows/bin), then the installer and the portable zip (build/windows/package).
#
# Qt for MinGW comes from the archive qt6-base-6.4.2-mingw-w64-x86_64.tar.xz: the path in
# KORVELT_QT_MINGW, or ../shared/toolchains/ beside the work tree. It is unpacked once into
# the cache folder (KORVELT_CACHE, by default ~/.cache/korvelt). Without the archive, Qt is
# built from Debian's own qt6-base source with the recipe in scripts/build-qt6-mingw.sh into
# that cache folder (once; it takes about 35 minutes on two cores).
#
# Arguments: CMake build targets (default: everything). KORVELT_WINDOWS_BUILD overrides the
# build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

cache=${KORVELT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/korvelt}
build=${KORVELT_WINDOWS_BUILD:-build/windows}
archive_name=qt6-base-6.4.2-mingw-w64-x86_64.tar.xz
archive=${KORVELT_QT_MINGW:-}
if [ -z "$archive" ] && [ -f "$top/../shared/toolchains/$archive_name" ]; then
    archive=$top/../shared/toolchains/$archive_name
fi
# The archive by its canonical path: work trees beside each other name the same archive
# differently, and each would unpack the shared cache again under the others' builds.
[ -z "$archive" ] || archive=$(readlink -f "$archive")

qt=$cache/qt6-mingw
mkdir -p "$cache"
if [ -n "$archive" ]; then
    # Unpacked again only when the archive is not the one unpacked last (by its contents: the
    # shared folder may be copied afresh, with new times, before a run).
    stamp="$(sha256sum <"$archive" | cut -d" " -f1) $(basename "$archive")"
    if [ ! -f "$qt/.unpacked-from" ] || [ "$(cat "$qt/.unpacked-from")" != "$stamp" ]; then
        echo "== Qt for MinGW: unpacking $archive into $cache"
        rm -rf "$qt"
        tar -xJf "$archive" -C "$cache"
        echo "$stamp" >"$qt/.unpacked-from"
    fi
elif [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "== Qt for MinGW: no archive; building it from Debian's qt6-base source into $cache (about 35 minutes)"
    scripts/build-qt6-mingw.sh "$qt"
fi

# The offscreen platform of the tests takes its fonts from lib/fonts beside Qt.
if [ ! -e "$qt/lib/fonts/DejaVuSans.ttf" ] && [ -d /usr/share/fonts/truetype/dejavu ]; then
    mkdir -p "$qt/lib/fonts"
    cp /usr/share/fonts/truetype/dejavu/*.ttf "$qt/lib/fonts/"
fi

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
# A build folder configured with Qt from another place is configured afresh.
if [ -f "$build/CMakeCache.txt" ] &&
    ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$build/CMakeCache.txt"; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQT_HOST_PATH=/usr -DKORVELT_WARNINGS_AS_ERRORS=ON "${launcher[@]}"
fi
if [ $# -gt 0 ]; then
    cmake --build "$build" --target "$@"
else
    cmake --build "$build"
    cmake --build "$build" --target korvelt_packages
    echo "Installer and portable zip: $top/$build/package/"
fi
echo "Windows programs: $top/$build/bin"
