#!/usr/bin/env bash
# The Windows build under Wine, headless: the tests that make sense there, korveltctl against
# its simulated KORVELT (the same bytes as the Linux build's, when that is built), the demo's
# window and its help, and the installers (scripts/test-windows-installers.sh). Run after
# scripts/build-windows.sh, on an X display (xvfb-run); scripts/test.sh does both.
# Screenshots of the demo window and the help window go to build/logs/.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${KORVELT_WINDOWS_BUILD:-build/windows}
bin=$top/$build/bin
logs=$top/build/logs
mkdir -p "$logs"
status=0
fail() {
    echo "== windows: $* FAILED"
    status=1
}

# A fresh Wine prefix for every run, thrown away afterwards.
# Wine's menu builder stays off, so that the installer's Start-menu entries and file type do not
# reach this machine's own desktop menus.
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/korvelt-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
wineboot -i >/dev/null 2>&1 || fail "wineboot"

# The tests: the core, the files and paths, text, JSON, the exchange and the session, the link
# with its reader thread, korveltctl, the window with its dialogs, keys and help. Not here:
# test_report reads its PDF back with Linux's pdfinfo and pdftotext; test_faultsoak runs for
# minutes under Wine and has no Windows code of its own (it runs three times on Linux); not
# built for Windows: test_datafile and test_crashsafesave (pipes, sockets, SIGKILL) and
# test_helpviewer (the chmlib viewer of Linux).
windows_tests='^(layer_includes|layer_includes_check|test_datetime|test_celltext|test_schedulemodel|test_packing|test_exchange|test_schedulecheck|test_schedulejson|test_session|test_port1comms|test_devicelink|test_korveltctl|test_filepaths|test_mainform|test_grids|test_filecommands|test_timegrid|test_desktop|test_holidays|test_weekview|test_comparedialog)$'
echo "== windows: tests under Wine (log: $top/$build/Testing/Temporary/LastTest.log)"
ctest --test-dir "$build" --output-on-failure --timeout 900 -R "$windows_tests" || fail "tests"

# korveltctl: a schedule read from and written to the simulated KORVELT gives the same bytes
# as on Linux.
echo "== windows: korveltctl --demo read and write"
work=$(mktemp -d)
(cd "$work" && wine "$bin/korveltctl.exe" --demo read read.dat >out.txt 2>&1 &&
    wine "$bin/korveltctl.exe" --demo write read.dat >>out.txt 2>&1 &&
    wine "$bin/korveltctl.exe" --demo export read.dat -o read.json >>out.txt 2>&1) || fail "korveltctl.exe --demo"
linux_ctl=$top/build/release/cli/korveltctl
if [ -x "$linux_ctl" ]; then
    (cd "$work" && "$linux_ctl" --demo read linux.dat >/dev/null && "$linux_ctl" --demo export linux.dat -o linux.json) &&
        cmp "$work/read.dat" "$work/linux.dat" && cmp "$work/read.json" "$work/linux.json" ||
        fail "korveltctl.exe: not the bytes of the Linux build"
fi
# The window's programs are of the Windows GUI subsystem (no console window to close them
# with), korveltctl of the console subsystem; the GUI program still answers --version on the
# command line.
for program in korvelt-time-control korvelt-time-control-demo korveltctl; do
    want="Windows GUI"
    [ "$program" = korveltctl ] && want="Windows CUI"
    # grep reads the whole header (no -q), so that objdump is not cut off by a closed pipe.
    x86_64-w64-mingw32-objdump -p "$bin/$program.exe" | grep "^Subsystem" | grep -q "($want)" ||
        fail "$program.exe: not a program of the $want subsystem"
done
wine "$bin/korvelt-time-control.exe" --version 2>&1 | grep "KORVELT Time Control 1.00" >/dev/null ||
    fail "korvelt-time-control.exe --version"
# No KORVELT under Wine: the real backend finds none and says so.
wine "$bin/korveltctl.exe" clock read >"$work/none.txt" 2>&1
[ $? -eq 3 ] || fail "korveltctl.exe without a KORVELT: exit status"
rm -rf "$work"

# The demo opens its window with its caption, and F1 opens the guide in Wine's HTML Help
# window (whose page pane stays blank: Wine's HTML engine is not in Debian).
echo "== windows: the demo's window and help"
wm=
if command -v openbox >/dev/null; then # title bars in the screenshots
    openbox >/dev/null 2>&1 &
    wm=$!
fi
wine "$bin/korvelt-time-control-demo.exe" >"$logs/windows-demo.log" 2>&1 &
demo=$!
if window=$(timeout 120 xdotool search --sync --name '^KORVELT Time Control Vesion: 1\.00$' | head -n 1) &&
    [ -n "$window" ]; then
    sleep 3
    import -window root "$logs/windows-demo.png" 2>/dev/null
    xdotool key --window "$window" F1
    if help=$(timeout 120 xdotool search --sync --name '^KORVELT Time Control Help$' | head -n 1) &&
        [ -n "$help" ]; then
        # Wine draws the help window's contents once it is the active window.
        sleep 3
        xdotool windowactivate --sync "$help" 2>/dev/null
        sleep 3
        import -window root "$logs/windows-help.png" 2>/dev/null
    else
        fail "the help window"
    fi
else
    fail "the demo's window"
fi
kill "$demo" 2>/dev/null
wineserver -k 2>/dev/null
wait "$demo" 2>/dev/null
[ -z "$wm" ] || kill "$wm" 2>/dev/null

# The installers: NSIS for all users, over itself and for the current user alone, its quiet
# uninstall, the file type and PATH options, and the MSI through msiexec.
KORVELT_LOGS=$logs scripts/test-windows-installers.sh "$top/$build/package" "$linux_ctl" || fail "the installers"

exit $status
