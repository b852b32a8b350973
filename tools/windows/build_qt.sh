#!/usr/bin/env bash
# Builds Qt 6.4.2 for Windows x86_64 (qtbase and qtmultimedia, shared, Release) from Debian's own
# source packages with Debian's MinGW-w64 compilers, and installs it into a prefix:
#   build_qt.sh <prefix>
# The sources come through a private apt configuration in <prefix>.work, made from the machine's own
# package sources; the machine's apt configuration and package lists are left as they are. The host
# Qt (Debian's, in /usr) provides moc, rcc and the shader compiler. About 40 minutes on two cores.
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$prefix.work
jobs=$(nproc)
mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"

# The machine's package sources, each also as a source-package entry, in either format.
for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/&/p; s/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list"
done >"$work/apt/parts/machine.list"
for sources in /etc/apt/sources.list.d/*.sources; do
    [ -f "$sources" ] && sed 's/^Types:.*\bdeb\b.*$/Types: deb deb-src/' "$sources" >"$work/apt/parts/$(basename "$sources")"
done
apt_private=(-o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache")
apt-get "${apt_private[@]}" update

# Unpacked with Debian's own patches (dpkg-source checks the tarballs' hashes).
cd "$work/src"
[ -d qtbase ] || { apt-get "${apt_private[@]}" source qt6-base && mv qt6-base-6.4.2* qtbase; }
[ -d qtmultimedia ] || { apt-get "${apt_private[@]}" source qt6-multimedia && mv qt6-multimedia-6.4.2* qtmultimedia; }

# Debian drops Qt's copy of the Wacom tablet headers; Wine's (LGPL-2.1+) stand in, with the
# macros that Wine's own headers and Qt's copy would define first.
wintab=qtbase/src/3rdparty/wintab
if [ ! -f "$wintab/wintab.h" ]; then
    (cd "$work" && apt-get "${apt_private[@]}" download libwine-dev && dpkg-deb -x libwine-dev_*.deb wine-dev)
    mkdir -p "$wintab"
    cp "$work"/wine-dev/usr/include/wine/wine/windows/pktdef.h "$wintab/"
    cp "$work"/wine-dev/usr/include/wine/wine/windows/wintab.h "$wintab/wine_wintab.h"
    cat >"$wintab/wintab.h" <<'EOF'
#pragma once
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#define API WINAPI
#include "wine_wintab.h"
EOF
fi

# The toolchain lives in the prefix, so that the installed Qt finds it wherever the prefix moves.
mkdir -p "$prefix"
cp "$here/mingw64.cmake" "$prefix/toolchain-mingw64.cmake"
host=(-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
common=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON "-DCMAKE_INSTALL_PREFIX=$prefix"
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF "${host[@]}")

# qtbase: what the program and its tests use, the rest left out. Qt's own copies of zlib, PCRE2,
# libpng, HarfBuzz, FreeType and double-conversion are built in.
off=(sql dbus xml printsupport opengl vulkan direct2d directwrite directwrite3 jpeg icu zstd brotli
     openssl fontconfig pkg_config system_zlib system_pcre2 system_png system_harfbuzz system_freetype
     system_doubleconversion)
on=(gui widgets network concurrent testlib freetype harfbuzz png)
flags=()
for feature in "${off[@]}"; do flags+=("-DFEATURE_$feature=OFF"); done
for feature in "${on[@]}"; do flags+=("-DFEATURE_$feature=ON"); done
cmake -S qtbase -B "$work/build-qtbase" "${common[@]}" "-DCMAKE_TOOLCHAIN_FILE=$prefix/toolchain-mingw64.cmake" \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DINPUT_opengl=no "${flags[@]}"
cmake --build "$work/build-qtbase" --parallel "$jobs"
cmake --install "$work/build-qtbase"

# qtmultimedia on Windows Media Foundation. Its sources name a few Windows headers in Windows'
# own capitals, and its library search looks for capitalised names; the MinGW files are lower case.
# Its shaders are compiled by the host's Qt Shader Tools, whose CMake package it asks for.
mingw=/usr/x86_64-w64-mingw32/include
mkdir -p "$work/include"
grep -rhoE '#\s*include\s*[<"][A-Za-z_]+\.h[">]' qtmultimedia/src/multimedia/windows qtmultimedia/src/plugins/multimedia/windows |
    sed -E 's/.*[<"]([A-Za-z_]+\.h)[">]/\1/' | sort -u | while read -r header; do
        if [ ! -f "$mingw/$header" ] && [ -f "$mingw/${header,,}" ]; then
            ln -sf "$mingw/${header,,}" "$work/include/$header"
        fi
    done
echo '#include <QtCore/qurl.h>' >"$work/include/QUrl.h" # one source names Qt's own header so
wmf=()
for library in mf mfuuid mfplat mfcore propsys; do
    wmf+=("-DWMF_${library^^}_LIBRARY=/usr/x86_64-w64-mingw32/lib/lib$library.a")
done
cmake -S qtmultimedia -B "$work/build-qtmultimedia" "${common[@]}" \
    "-DCMAKE_TOOLCHAIN_FILE=$prefix/lib/cmake/Qt6/qt.toolchain.cmake" "-DCMAKE_CXX_FLAGS=-I$work/include" \
    -DFEATURE_ffmpeg=OFF -DFEATURE_gstreamer=OFF -DFEATURE_spatialaudio=OFF "${wmf[@]}" \
    -DQt6ShaderTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6ShaderTools
cmake --build "$work/build-qtmultimedia" --parallel "$jobs"
cmake --install "$work/build-qtmultimedia"

# Debian's source packages stay, the corresponding source of the DLLs built from them; the
# unpacked trees and the builds go.
cd "$work"
rm -rf build-qtbase build-qtmultimedia src/qtbase src/qtmultimedia apt wine-dev libwine-dev_*.deb include
touch "$prefix/.complete"
