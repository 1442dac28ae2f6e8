#!/usr/bin/env bash
# Builds Qt 6.4.2 (qtbase: Core, Gui, Widgets, PrintSupport, Test) for 64-bit
# Windows with Debian's MinGW-w64, from Debian's own qt6-base source package
# with Debian's patches, and static googletest and googlemock from Debian's
# /usr/src/googletest, all into one prefix. Debian's host Qt serves as the
# host tools (moc, rcc, uic). ./dev windows runs it once per machine when the
# shared cache holds no prebuilt copy; it takes 35 to 60 minutes on 2 cores.
#
# Run:   tools/build_qt_windows.sh <prefix>
# Needs: cmake, ninja-build, g++-mingw-w64-x86-64-posix, qt6-base-dev (the
#        same Qt version, for the host tools), dpkg-dev (apt-get source),
#        libgtest-dev, libgmock-dev, perl; root or sudo to add Debian's
#        source index when it is missing.
#
# Facts behind the options: Debian's tarball drops wintab, so tablet events
# must go; without direct2d the link of Qt6PrintSupport fails in 6.4.2, so only
# direct2d1_1 goes; the offscreen platform needs the bundled FreeType.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 <prefix>" >&2; exit 2; }
prefix="$(realpath -m "$1")"
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
toolchain="$repo_root/cmake/mingw-w64-x86_64.cmake"
host_cmake=/usr/lib/x86_64-linux-gnu/cmake
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# The host tools and the Windows libraries must be the same Qt release.
version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
case "$version" in
6.4.2*) ;;
*) echo "error: qt6-base-dev is $version, not 6.4.2" >&2; exit 1 ;;
esac

# Debian 12 ships with binary package indexes only; add the source ones.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
# Unpacks with Debian's patches applied.
apt-get source -qq "qt6-base=$version"
source_dir="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"

mkdir qt-build
cd qt-build
"$source_dir/configure" -prefix "$prefix" -release -shared -xplatform win32-g++ \
    -device-option CROSS_COMPILE=x86_64-w64-mingw32- -qt-host-path /usr \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -no-pkg-config \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype -qt-doubleconversion \
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
    -no-feature-zstd -no-feature-vulkan -no-feature-tabletevent \
    -no-feature-androiddeployqt -no-feature-direct2d1_1 \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR="$host_cmake"
cmake --build . --parallel "$(nproc)"
cmake --install .

# GoogleTest for the Windows test suite, static, beside Qt.
cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON
cmake --build "$work/gtest-build" --parallel "$(nproc)"
cmake --install "$work/gtest-build"
echo "Qt for Windows is in $prefix"
