#!/bin/sh
# Runs a command on a new virtual X display: Xvfb, 1280x1024, 24-bit colour.
# A desktop session always has an X resource database; a bare Xvfb has none,
# and Xlib then reads the resource files again on every lookup (Wine makes one
# each time it selects a font for a window), which slows all text drawing by
# about a quarter. One harmless resource gives the display its database.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
export XENVIRONMENT="$root/scripts/xresources"
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
