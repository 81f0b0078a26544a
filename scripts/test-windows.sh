#!/usr/bin/env bash
# The Windows build under Wine, headless: the tests that make sense there, korveltctl against
# its simulated KORVELT (the same bytes as the Linux build's, when that is built), korveltctl
# and the window through the Windows backend against simulated KORVELTs on named pipes, the
# demo's window and its help, and the installers (scripts/test-windows-installers.sh). Run after
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
# One Wine server for the whole stage: otherwise it ends a few seconds after each program and
# the next one waits for a new server to start, which is most of a short test's time.
wineserver -p

# The tests: the core, the files and paths, text, JSON, the exchange and the session, the link
# with its reader thread, korveltctl, the window with its dialogs, keys and help. Not here:
# test_report reads its PDF back with Linux's pdfinfo and pdftotext; test_faultsoak runs for
# minutes under Wine and has no Windows code of its own (it runs three times on Linux); not
# built for Windows: test_datafile and test_crashsafesave (pipes, sockets, SIGKILL) and
# test_helpviewer (the chmlib viewer of Linux).
windows_tests='^(layer_includes|layer_includes_check|test_datetime|test_celltext|test_schedulemodel|test_packing|test_exchange|test_schedulecheck|test_schedulejson|test_session|test_port1comms|test_devicelink|test_korveltctl|test_filepaths|test_mainform|test_grids|test_filecommands|test_timegrid|test_desktop|test_holidays|test_weekview|test_comparedialog)$'
# Most of a test's time under Wine is Wine starting the program, so they run two at a time;
# each test keeps its settings to itself, and the windows are offscreen.
echo "== windows: tests under Wine (log: $top/$build/Testing/Temporary/LastTest.log)"
ctest --test-dir "$build" --output-on-failure --timeout 900 -j 2 -R "$windows_tests" || fail "tests"

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

# The device path: the real Windows backend of korveltctl.exe and korvelt-time-control.exe
# (device set-up enumeration, the hardware identifier, CreateFile, overlapped ReadFile and
# WriteFile, unplugging) against simulated KORVELTs served on named pipes, which the stand-in
# setupapi.dll lists as HID interfaces. The programs run unchanged from a folder of links to
# build/windows/bin with the stand-in beside them; the same bytes and texts as the Linux build
# against its simulator.
echo "== windows: korveltctl.exe and the window through the Windows backend, KORVELTs on named pipes"
device_bin=$work/device-bin
mkdir -p "$device_bin"
for file in "$bin"/*; do ln -s "$file" "$device_bin/"; done
cp "$top/$build/pipedevice/setupapi.dll" "$device_bin/"
server=
pipe_device() { # serves KORVELTs with these arguments until the next call; false unless ready
    [ -z "$server" ] || { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; }
    rm -f "$work/ready"
    wine "$bin/korvelt-pipe-device.exe" --ready "Z:${work//\//\\}\\ready" "$@" >>"$logs/windows-pipe-device.log" 2>&1 &
    server=$!
    for _ in $(seq 240); do
        [ -f "$work/ready" ] && return 0
        sleep 0.25
    done
    return 1
}
# The stand-in is taken by these two programs alone (Wine's own desktop process must not get
# it), from beside them; elsewhere they find no stand-in and take Wine's own.
for program in korveltctl.exe korvelt-time-control.exe; do
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$program\\DllOverrides" /v setupapi /d native,builtin /f >/dev/null 2>&1
done
ctl() { wine "$device_bin/korveltctl.exe" "$@"; }
pipe_device --count 2 || fail "korvelt-pipe-device.exe did not start"
(cd "$work" && wine "$bin/korveltctl.exe" holidays --preset de --year 2027 --from read.dat -o new.dat >/dev/null) ||
    fail "korveltctl.exe holidays"
ctl list >"$work/list.txt" 2>&1 || fail "korveltctl.exe list: $(cat "$work/list.txt")"
[ "$(grep -c 'korvelt-sim-[01].*KORVELT 1\.05.*ready' "$work/list.txt")" = 2 ] ||
    fail "korveltctl.exe list: not the two KORVELTs: $(cat "$work/list.txt")"
(cd "$work" && ctl read pipe.dat --device 1 >/dev/null) && cmp "$work/pipe.dat" "$work/read.dat" ||
    fail "korveltctl.exe read: not the bytes of the simulated KORVELT's schedule"
ctl write "$work/new.dat" --all >"$work/write.txt" 2>&1 &&
    grep -q "^2 of 2 written and verified" "$work/write.txt" || fail "korveltctl.exe write --all: $(cat "$work/write.txt")"
ctl verify "$work/new.dat" --all >"$work/verify.txt" 2>&1 && grep -q "^2 of 2 hold .*new.dat" "$work/verify.txt" ||
    fail "korveltctl.exe verify --all: $(cat "$work/verify.txt")"
(cd "$work" && ctl read back.dat --device 2 >/dev/null) && cmp "$work/back.dat" "$work/new.dat" ||
    fail "korveltctl.exe read after write: not the bytes written"
ctl clock set --at "2026-03-29 01:59:50" --all >"$work/clock.txt" 2>&1 && ctl clock read --all >>"$work/clock.txt" 2>&1 &&
    [ "$(grep -c 'korvelt-sim-[01] (serial [12]): clock 2026-03-29 0[12]:' "$work/clock.txt")" = 4 ] ||
    fail "korveltctl.exe clock set and read: $(cat "$work/clock.txt")"
# Two programs on one KORVELT: while one writes to it (slowly, each reply after 100 ms), another
# lists it as busy and asks it nothing, a second command on it is refused as busy (exit 6), and
# the first goes on undisturbed.
pipe_device --count 2 --delay "1; sim:0 100" || fail "korvelt-pipe-device.exe did not start (slow)"
ctl write "$work/read.dat" --device 1 >"$work/first.txt" 2>&1 &
first=$!
busy=
for _ in $(seq 30); do
    ctl list 2>&1 | tr -d '\r' >"$work/busy-list.txt"
    grep -q 'korvelt-sim-0.*busy: in use by another program' "$work/busy-list.txt" && busy=1 && break
    kill -0 "$first" 2>/dev/null || break
done
[ -n "$busy" ] || fail "korveltctl.exe list beside a write: not busy: $(cat "$work/busy-list.txt")"
ctl read "$work/busy.dat" --device 1 >"$work/second.txt" 2>&1
got=$?
[ "$got" = 6 ] && grep -q "busy: in use by another program" "$work/second.txt" ||
    fail "korveltctl.exe read beside a write: exit status $got: $(cat "$work/second.txt")"
wait "$first" || fail "korveltctl.exe write beside another program: $(cat "$work/first.txt")"
# Faults, one KORVELT each: unplugged in the middle of a write (its pipe closed), silent, in
# program mode (release 0001). Each says what the Linux build says of its simulated KORVELT
# with the same fault.
fault_text() { tr -d '\r' | sed -e 's/^korveltctl: [^ ]* (serial [0-9]*): //' -e 's/^korveltctl: [^ ]*: //'; }
for row in "unplugged mid-write|5|write new.dat|unplug 30" "silent|5|read silent.dat|silence 5" \
    "in program mode|3|read mode.dat|"; do
    IFS='|' read -r what want command fault <<<"$row"
    if [ -n "$fault" ]; then
        pipe_device --fault "$fault"
    else
        pipe_device --release 0=0001
    fi || fail "korvelt-pipe-device.exe did not start ($what)"
    (cd "$work" && ctl $command >"$work/fault.txt" 2>&1)
    got=$?
    [ "$got" = "$want" ] || fail "korveltctl.exe $what: exit status $got, not $want: $(cat "$work/fault.txt")"
    if [ -x "$linux_ctl" ]; then
        if [ -n "$fault" ]; then
            (cd "$work" && KORVELT_DEMO_FAULT=$fault "$linux_ctl" --demo $command >"$work/linux-fault.txt" 2>&1)
        else # the demo has no KORVELT in program mode
            echo "korveltctl: sim:0: the KORVELT is in program mode" >"$work/linux-fault.txt"
        fi
        diff <(fault_text <"$work/linux-fault.txt") <(fault_text <"$work/fault.txt") >"$logs/windows-pipe-fault.diff" ||
            fail "korveltctl.exe $what: not the Linux build's text ($logs/windows-pipe-fault.diff)"
    fi
done
# The window: Write To KORVELT sends the schedule it opened (the KORVELT then holds it), and
# Read From KORVELT takes the KORVELT's (written there by korveltctl), which the next Write
# To KORVELT sends back. korveltctl waits while the window has the KORVELT (busy) and until
# it holds what it should.
pipe_device || fail "korvelt-pipe-device.exe did not start for the window"
(cd "$work" && wine "$bin/korveltctl.exe" holidays --preset nl --year 2027 --from read.dat -o window.dat >/dev/null) ||
    fail "korveltctl.exe holidays"
until_holds() { # FILE: true once the KORVELT holds it, within a minute
    for _ in $(seq 30); do
        ctl verify "$1" >"$work/window.txt" 2>&1 && return 0
        sleep 2
    done
    return 1
}
until_free() { # korveltctl ARGUMENTS, again while the window has the KORVELT
    for _ in $(seq 30); do
        ctl "$@" >"$work/window.txt" 2>&1
        [ $? -eq 6 ] || return 0
        sleep 2
    done
}
wine "$device_bin/korvelt-time-control.exe" "Z:${work//\//\\}\\window.dat" >"$logs/windows-pipe-window.log" 2>&1 &
gui=$!
if window=$(timeout 120 xdotool search --sync --name '^KORVELT Time Control' | head -n 1) && [ -n "$window" ]; then
    sleep 3
    xdotool key --window "$window" alt+w 2>/dev/null
    until_holds "$work/window.dat" || fail "the window's Write To KORVELT: $(cat "$work/window.txt")"
    # Return: OK to the message that says it is done, once it is shown (its caption is the
    # program's name alone).
    dismiss() {
        if box=$(timeout 60 xdotool search --sync --name '^KORVELT Time Control$' | head -n 1) && [ -n "$box" ]; then
            xdotool key --window "$box" Return 2>/dev/null
        fi
    }
    dismiss
    until_free write "$work/new.dat"
    xdotool key --window "$window" alt+r 2>/dev/null
    sleep 3
    until_free clock read
    dismiss
    until_free write "$work/window.dat"
    xdotool key --window "$window" alt+w 2>/dev/null
    # The window takes the KORVELT before korveltctl asks it again (a command that finds it
    # taken fails at once, as busy).
    sleep 8
    until_holds "$work/new.dat" || fail "the window's Read From KORVELT: $(cat "$work/window.txt")"
else
    fail "the window with the Windows backend"
fi
kill "$gui" "$server" 2>/dev/null
wineserver -k 2>/dev/null
wait "$gui" "$server" 2>/dev/null
for program in korveltctl.exe korvelt-time-control.exe; do
    wine reg delete "HKCU\\Software\\Wine\\AppDefaults\\$program" /f >/dev/null 2>&1
done
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
    # The window's run against the pipe KORVELT above kept its settings in the registry: start
    # from none.
    for key in 'HKCU\Software\KORVELT' 'HKCU\Software\QtProject'; do
        wine reg delete "$key" /f >/dev/null 2>&1
    done
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

# The installers: NSIS for all users, over itself and for the current user alone, its quiet
# uninstall, the file type and PATH options, and the MSI through msiexec.
KORVELT_LOGS=$logs scripts/test-windows-installers.sh "$top/$build/package" "$linux_ctl" || fail "the installers"

exit $status
