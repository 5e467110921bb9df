#!/bin/sh
# Starts or stops the one wineserver that a test run shares.
# Usage: wine-server.sh start|stop PREFIX_DIR
# The server is started with all standard streams on /dev/null: whoever starts it
# hands it their pipes, and CTest would wait for the server to close them.
# An old server started without a display would make every window fail, so a
# start first kills whatever runs in the prefix.
set -u
export WINEPREFIX=$(realpath -m "$2") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec 9>&- </dev/null >/dev/null 2>&1
case "$1" in
    start)
        wineserver -k
        wineserver -w
        wineserver -p
        wine wineboot
        ;;
    stop)
        wineserver -k
        ;;
esac
exit 0
