#!/usr/bin/env bash
# The Windows build under Wine, headless: the tests that make sense there, korveltctl against
# its simulated KORVELT (the same bytes as the Linux build's, when that is built), the demo's
# window and its help, and a silent install and uninstall of the installer. Run after
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
# Each program carries the icon, the version information Explorer shows and a manifest that
# declares its DPI awareness and runs it as the user.
for program in korvelt-time-control korvelt-time-control-demo korveltctl; do
    wrestool -l --type=14 "$bin/$program.exe" | grep -q . || fail "$program.exe: no icon"
    wrestool -x --raw --type=16 "$bin/$program.exe" | strings -el | grep -qx "KORVELT Time Control" ||
        fail "$program.exe: no version information"
    wrestool -x --raw --type=24 "$bin/$program.exe" | grep -q "PerMonitorV2" || fail "$program.exe: no manifest"
done
# In a console (here Wine's, on a terminal) the text arrives whole whatever the console's code
# page, on standard output and on standard error; redirected, it is UTF-8.
(cd "$work" &&
    LANG=C.UTF-8 script -qec "wine '$bin/korveltctl.exe' --demo read Zeitpläne.dat 2>/dev/null" /dev/null >console-out.txt
    LANG=C.UTF-8 script -qec "wine '$bin/korveltctl.exe' check Fehlt-Zeitpläne.dat >/dev/null" /dev/null >console-err.txt
    wine "$bin/korveltctl.exe" check Fehlt-Zeitpläne.dat 2>redirected.txt)
grep -q "Zeitpläne.dat" "$work/console-out.txt" || fail "korveltctl.exe in a console: standard output: $(cat "$work/console-out.txt")"
grep -q "Fehlt-Zeitpläne.dat" "$work/console-err.txt" || fail "korveltctl.exe in a console: standard error: $(cat "$work/console-err.txt")"
grep -q "Fehlt-Zeitpläne.dat" "$work/redirected.txt" || fail "korveltctl.exe redirected: $(cat "$work/redirected.txt")"
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
        # Closed, the help opens again with F1 in the same run.
        xdotool key --window "$help" alt+F4
        timeout 60 bash -c "while xdotool search --name '^KORVELT Time Control Help\$' >/dev/null; do sleep 1; done"
        xdotool windowactivate --sync "$window" 2>/dev/null
        xdotool key --window "$window" F1
        timeout 60 xdotool search --sync --name '^KORVELT Time Control Help$' >/dev/null || fail "the help window, opened again"
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

# The portable zip with a portable.txt beside the program keeps its settings in an .ini there,
# and leaves nothing in the registry, Qt's file dialog included.
echo "== windows: the portable copy"
zip=$(ls "$top/$build"/package/korvelt-time-control-*-win64.zip 2>/dev/null | head -n 1)
portable="$WINEPREFIX/drive_c/portable"
if [ -z "$zip" ]; then
    fail "no portable zip"
else
    mkdir -p "$portable" && unzip -q "$zip" -d "$portable"
    portable_bin="$portable/KORVELT Time Control/bin"
    : >"$portable_bin/portable.txt"
    wine "$portable_bin/korvelt-time-control-demo.exe" >"$logs/windows-portable.log" 2>&1 &
    demo=$!
    if window=$(timeout 120 xdotool search --sync --name '^KORVELT Time Control Vesion: 1\.00$' | head -n 1) &&
        [ -n "$window" ]; then
        xdotool key --window "$window" ctrl+o
        # The open dialog bears the program's name as its caption.
        if dialog=$(timeout 60 xdotool search --sync --name '^KORVELT Time Control$' | head -n 1) && [ -n "$dialog" ]; then
            sleep 2
            xdotool key --window "$dialog" Escape
            timeout 60 bash -c "while xdotool search --name '^KORVELT Time Control\$' >/dev/null; do sleep 1; done"
        else
            fail "the portable copy: no file dialog"
        fi
        xdotool key --window "$window" alt+F4
    else
        fail "the portable copy's window"
    fi
    timeout 60 tail --pid="$demo" -f /dev/null
    wineserver -w
    [ -f "$portable_bin/KORVELT Time Control.ini" ] || fail "the portable copy: no settings beside the program"
    for key in 'HKCU\Software\KORVELT' 'HKCU\Software\QtProject'; do
        ! wine reg query "$key" >/dev/null 2>&1 || fail "the portable copy wrote $key"
    done
fi

# The installer installs silently, with its shortcuts and the .dat type, and the uninstaller
# removes all of it again, leaving a file of the user's in the program's folder alone.
echo "== windows: silent install and uninstall"
setup=$(ls "$top/$build"/package/korvelt-time-control-*-win64-setup.exe 2>/dev/null | head -n 1)
program_dir="$WINEPREFIX/drive_c/Program Files/KORVELT Time Control"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KORVELT Time Control"
if [ -z "$setup" ]; then
    fail "no installer"
else
    wine "$setup" /S
    wineserver -w
    for file in bin/korvelt-time-control.exe bin/korvelt-time-control-demo.exe bin/korveltctl.exe bin/Horalux.chm \
        bin/Qt6Core.dll bin/libstdc++-6.dll bin/platforms/qwindows.dll uninstall.exe; do
        [ -f "$program_dir/$file" ] || fail "installed: $file"
    done
    for link in "KORVELT Time Control" "KORVELT Time Control Demo" "User Guide" Uninstall; do
        [ -f "$menu/$link.lnk" ] || fail "Start menu: $link"
    done
    wine reg query 'HKLM\Software\Classes\.dat' /ve 2>/dev/null | grep -q KORVELT.Schedule || fail "the .dat type"
    # What is shipped is stripped: no debugging sections in any program or DLL.
    while IFS= read -r -d '' file; do
        ! x86_64-w64-mingw32-objdump -h "$file" | grep -q "\.debug_" || fail "installed, not stripped: ${file#"$program_dir/"}"
    done < <(find "$program_dir" \( -name '*.dll' -o -name '*.exe' \) -print0)
    wine "$program_dir/bin/korveltctl.exe" --version | grep -q "korveltctl 1.00" || fail "installed korveltctl.exe"
    # The installed korveltctl makes the report with what the installer put beside it: the
    # PDF's text reads back as the Linux build's (the "Printed:" time aside).
    report=$(mktemp -d)
    if (cd "$report" && wine "$program_dir/bin/korveltctl.exe" --demo read s.dat >/dev/null 2>&1 &&
        wine "$program_dir/bin/korveltctl.exe" report s.dat -o s.pdf >report.txt 2>&1) &&
        pdftotext "$report/s.pdf" - | grep -v "Printed:" >"$report/windows.txt"; then
        grep "Clocks go forward on the last Sunday of March" "$report/windows.txt" >/dev/null ||
            fail "installed korveltctl.exe report: no text in the PDF"
        # The same words on the lines without numbers: dates follow each system's locale (Wine's is en_US).
        words() { pdftotext "$1" - | grep -v '[0-9]' | tr -cs 'A-Za-z' '\n'; }
        if [ -x "$linux_ctl" ]; then
            "$linux_ctl" report "$report/s.dat" -o "$report/linux.pdf" &&
                diff -u <(words "$report/linux.pdf") <(words "$report/s.pdf") >"$logs/windows-report.diff" ||
                fail "installed korveltctl.exe report: not the Linux build's text ($logs/windows-report.diff)"
        fi
    else
        fail "installed korveltctl.exe report: $(cat "$report/report.txt" 2>/dev/null)"
    fi
    rm -rf "$report"
    echo "kept" >"$program_dir/bin/user notes.txt"
    wine "$program_dir/uninstall.exe" /S
    wineserver -w
    left=$(cd "$program_dir" && find . -type f | sort | tr '\n' ' ')
    [ "$left" = "./bin/user notes.txt " ] || fail "uninstalled: left $left"
    [ ! -e "$menu" ] || fail "uninstalled: the Start menu folder is still there"
    if wine reg query 'HKLM\Software\Classes\.dat' /ve 2>/dev/null | grep -q KORVELT.Schedule; then
        fail "uninstalled: .dat still opens the program"
    fi
fi

exit $status
