#!/usr/bin/env bash
# Builds qt6-base 6.4.2 (Debian's source package) for 64-bit Windows with MinGW-w64, using Debian's
# own Qt 6.4.2 host tools, and installs it to $1 (default ./qt6-mingw). About 35 minutes on 2 cores.
# scripts/build-windows.sh runs it when no ready archive of this Qt is at hand.
# Needs: a deb-src entry for the Debian archive this machine already uses, dpkg-dev, cmake, ninja-build,
# g++-mingw-w64-x86-64-posix, qt6-base-dev and qt6-base-dev-tools (the host tools).
set -euxo pipefail
prefix=$(realpath -m "${1:-qt6-mingw}")
work=$(mktemp -d)
cd "$work"
apt-get source --download-only qt6-base=6.4.2+dfsg-10
tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
cat > mingw-w64-x86_64.cmake <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
mkdir build && cd build
# Debian's source has no wintab.h, hence no tablet events; no OpenGL, D-Bus, ICU, SQL, network, XML.
../qtbase-everywhere-src-6.4.2/configure -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
  -release -shared -nomake examples -nomake tests -opengl no -no-dbus -no-icu \
  -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-doubleconversion \
  -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml -no-feature-tabletevent \
  -- -DCMAKE_TOOLCHAIN_FILE="$work/mingw-w64-x86_64.cmake" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel "$(nproc)"
cmake --install .
# Make the install relocatable: the toolchain file it chain-loads travels inside it.
cp "$work/mingw-w64-x86_64.cmake" "$prefix/lib/cmake/Qt6/"
sed -i "s|set(__qt_initially_configured_toolchain_file \".*\")|set(__qt_initially_configured_toolchain_file \"\${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake\")|" \
  "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
rm -rf "$prefix/doc" "$work"
