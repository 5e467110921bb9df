#!/bin/sh
# Runs the Windows tests under a second Wine: Debian 13's Wine 10, in a chroot
# of its own under build/wine10 (made once with debootstrap, then reused), on a
# virtual display of its own. The test programs are this tree's Windows build,
# the same files the usual run tests under Wine 8: the tree is bind-mounted at
# its own path inside, so CTest's paths hold. Wine 10 gets a prefix of its own
# (build/wine10/wineprefix), mounted over the build's prefix in the chroot's
# view only, and a Testing folder of its own, so the Wine 8 run's are untouched.
# Only the tests that run under Wine are run (label "wine").
#
# Usage, as root on Debian 12:  scripts/test-wine10.sh [ctest arguments]
#   e.g. scripts/test-wine10.sh -R picture
#        scripts/test-wine10.sh --run COMMAND...
# --run runs one command there instead, from the tree's top, on the same
# display, e.g. an end-to-end script with build/windows/wine-run.
# Not part of the usual test run (it takes long the first time); run it before
# resolving a change that touches a window. Don't run it while the usual
# Windows tests run in the same tree: both use the files the tests write there.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
base=$root/build/wine10
sysroot=$base/root
prefix=$base/wineprefix
testing=$base/Testing
build=$root/build/windows
mirror=http://deb.debian.org/debian
# What the tests need inside: Wine and its fonts, the display and the tools the
# end-to-end scripts drive it with, Python, ImageMagick's display, and ctest.
packages="wine wine64 fonts-wine fonts-liberation xvfb xauth xdotool x11-utils
imagemagick python3 cmake"

if [ "$(id -u)" != 0 ]; then
    echo "test-wine10.sh needs root (debootstrap, chroot and mount)." >&2
    exit 1
fi

# Every mount under build/wine10, deepest first.
mounts() {
    awk -v base="$base/" 'index($2, base) == 1 { print $2 }' /proc/mounts | sort -r
}
unmount_all() {
    for m in $(mounts); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
}
in_root() { chroot "$sysroot" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

display=""
xvfb=""
cleanup() {
    status=$?
    set +e
    if [ -d "$sysroot/usr/bin" ] && [ -n "$(mounts)" ]; then
        # Whatever Wine 10 left running in its prefix, then the display.
        in_root WINEPREFIX="$build/wineprefix" wineserver -k >/dev/null 2>&1
    fi
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    [ -n "$display" ] && rm -f "/tmp/.X$display-lock"
    unmount_all
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

mount_all() {
    mount -t proc proc "$sysroot/proc"
    for d in sys dev; do
        mount --rbind "/$d" "$sysroot/$d"
        mount --make-rslave "$sysroot/$d"
    done
}

# The host's tools and the Windows build, as for the usual test run.
scripts/install-deps.sh
if ! command -v debootstrap >/dev/null 2>&1; then
    echo "Installing: debootstrap" >&2
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null ||
        { apt-get update -qq >/dev/null &&
          DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null; }
fi
cmake --preset windows >/dev/null
cmake --build --preset windows

# The chroot: a base system once; its packages again whenever the list changes.
# A run interrupted before either finished starts that step again.
if [ -n "$(mounts)" ]; then
    echo "Unmounting what an earlier run left mounted under $base" >&2
    unmount_all
fi
if [ ! -f "$base/base-ready" ]; then
    echo "Making a Debian 13 base system in $sysroot (a few minutes, once)" >&2
    [ -z "$(mounts)" ] || { echo "Still mounted under $base: $(mounts)" >&2; exit 1; }
    rm -rf "$sysroot" "$base/packages-ready"
    mkdir -p "$base"
    debootstrap --variant=minbase trixie "$sysroot" "$mirror" >"$base/debootstrap.log" 2>&1 ||
        { tail -20 "$base/debootstrap.log" >&2; exit 1; }
    echo "deb $mirror trixie main" >"$sysroot/etc/apt/sources.list"
    touch "$base/base-ready"
fi
mount_all
if [ "$(cat "$base/packages-ready" 2>/dev/null)" != "$packages" ]; then
    echo "Installing Wine 10 and the test tools in the chroot" >&2
    cp /etc/resolv.conf "$sysroot/etc/resolv.conf"
    # shellcheck disable=SC2086
    { in_root apt-get update &&
      in_root DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $packages
    } >"$base/apt.log" 2>&1 || { tail -20 "$base/apt.log" >&2; exit 1; }
    printf '%s' "$packages" >"$base/packages-ready"
fi

# The tree at its own path; Wine 10's prefix, made once, and its Testing folder
# in place of the Wine 8 run's.
mkdir -p "$sysroot$root"
mount --bind "$root" "$sysroot$root"
if [ ! -f "$prefix/.palorin-ready" ]; then
    echo "Making Wine 10's prefix" >&2
    in_root "$root/scripts/wine-prefix.sh" "$prefix"
fi
mkdir -p "$testing" "$build/wineprefix" "$build/Testing"
mount --bind "$prefix" "$sysroot$build/wineprefix"
mount --bind "$testing" "$sysroot$build/Testing"

# A display number of the chroot's own: X's abstract sockets are shared with
# the host, but its lock files are not, so claim the number on the host too
# (xvfb-run -a there then passes it by).
n=190
while [ $n -lt 290 ]; do
    if ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix && [ ! -e "$sysroot/tmp/.X$n-lock" ] &&
        (set -C; printf '%10d\n' $$ >"/tmp/.X$n-lock") 2>/dev/null; then
        display=$n
        # A plain command, not in_root: a function run in the background is a
        # shell of its own, and $! would be that shell's, not the server's.
        chroot "$sysroot" /usr/bin/env -i PATH=/usr/bin:/bin \
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$base/xvfb.log" 2>&1 &
        xvfb=$!
        tries=0
        while [ $tries -lt 50 ] && kill -0 "$xvfb" 2>/dev/null &&
            ! in_root xdpyinfo -display ":$n" >/dev/null 2>&1; do
            sleep 0.2
            tries=$((tries + 1))
        done
        in_root xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null || true
        rm -f "/tmp/.X$n-lock"
        display="" xvfb=""
    fi
    n=$((n + 1))
done
[ -n "$display" ] || { echo "No free display number for the chroot's Xvfb" >&2; exit 1; }

# The tests name the host's Python by the path CMake found; inside, Debian's
# python3 answers there.
python=$(sed -n 's/^_\{0,1\}Python3_EXECUTABLE:[A-Z]*=//p' "$build/CMakeCache.txt" | head -n 1)
if [ -n "$python" ] && [ ! -e "$sysroot$python" ]; then
    mkdir -p "$(dirname "$sysroot$python")"
    ln -s /usr/bin/python3 "$sysroot$python"
fi

version=$(in_root wine --version 2>/dev/null)
if [ "${1:-}" = --run ]; then
    shift
    echo "Running under $version on display :$display: $*" >&2
    # shellcheck disable=SC2016  # expanded by the shell inside, not here
    in_root DISPLAY=":$display" XENVIRONMENT="$root/scripts/xresources" \
        sh -c 'cd "$0" && exec "$@"' "$root" "$@"
    exit
fi
echo "Running the Windows tests under $version on display :$display" >&2
log=$base/ctest.log
set +e
in_root DISPLAY=":$display" XENVIRONMENT="$root/scripts/xresources" \
    ctest --test-dir "$build" -L wine --output-on-failure "$@" 2>&1 | tee "$log"
set -e

# One line per test: its name, result and time.
echo
echo "Under $version:"
sed -n 's/^ *[0-9]*\/[0-9]* *Test *#[0-9]*: \([^ ]*\) [ .*]*\(.*[^ ]\)  *\([0-9.]*\) sec$/\1|\2|\3/p' "$log" |
    awk -F'|' '{ printf "  %-28s %-22s %8s s\n", $1, $2, $3 }'
grep -q '100% tests passed' "$log"
