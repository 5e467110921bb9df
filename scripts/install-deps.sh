#!/bin/sh
# Installs the Debian packages that the build, the run and the tests need.
# Does nothing (and nothing slow) when they are all present; needs root to install.
set -eu

packages="cmake g++ libgtest-dev googletest clang libclang-rt-14-dev
g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64
xvfb xauth xdotool x11-utils imagemagick fonts-liberation fonts-wine ninja-build python3 python3-yaml git"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "Missing packages:$missing" >&2
    echo "Install them as root (apt-get install$missing) and run again." >&2
    exit 1
fi

echo "Installing:$missing" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq >/dev/null
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing >/dev/null
