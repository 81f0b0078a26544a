#!/usr/bin/env bash
# Runs one Windows test program under Wine, for CTest in build/windows (its emulator). A test
# with a window gets "-platform offscreen" from CTest, as Wine passes no QT_ variables to
# Windows programs. Wine needs an X display all the same (xvfb-run provides one) and a prefix
# made with `wineboot -i` (WINEPREFIX; scripts/test-windows.sh makes a fresh one). What a Qt
# test prints does not reach a Unix pipe through Wine, so it writes its log to a file, which
# is printed afterwards.
set -uo pipefail
export WINEDEBUG=${WINEDEBUG:--all}
program=$1
shift
log=$(mktemp --suffix=.txt)
wine "$program" "$@" -o "Z:${log//\//\\},txt"
status=$?
cat "$log"
rm -f "$log"
exit $status
