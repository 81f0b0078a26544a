#!/usr/bin/env bash
# The Windows installers under Wine, in the WINEPREFIX given (scripts/test-windows.sh runs it):
# the NSIS installer installs quietly for all users, installs again over itself (an upgrade in
# place) but not over a running program (on an X display), makes a report with the installed
# korveltctl.exe, and its registered quiet uninstall returns only when the program's files are
# gone; installed for the current user alone with
# /FILETYPE=0 /PATH=1 it leaves .dat to the program that has it and puts korveltctl on the
# user's PATH, until it is uninstalled; the MSI installs and uninstalls quietly with msiexec.
# Arguments: the package folder (the installers) and the Linux build's korveltctl, if built.
set -uo pipefail
package=$1
linux_ctl=${2:-}
logs=${KORVELT_LOGS:-build/logs}
status=0
fail() {
    echo "== windows: $* FAILED"
    status=1
}
setup=$(ls "$package"/korvelt-time-control-*-win64-setup.exe 2>/dev/null | head -n 1)
msi=$(ls "$package"/korvelt-time-control-*-win64.msi 2>/dev/null | head -n 1)
drive_c=$WINEPREFIX/drive_c
program_dir="$drive_c/Program Files/KORVELT Time Control"
user_dir="$drive_c/users/$(id -un)/AppData/Local/Programs/KORVELT Time Control"
menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KORVELT Time Control"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\KORVELT Time Control'

value() { # root\key name: the value's data, or nothing
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
default_value() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p'
}
# Runs the uninstall command registered under root from a batch file, as a deployment script
# would, and returns when cmd does.
quiet_uninstall() {
    local command
    command=$(value "$1\\$uninstall_key" QuietUninstallString)
    [ -n "$command" ] || return 1
    printf '@%s\r\n' "$command" >"$drive_c/uninstall.bat"
    wine cmd /c 'C:\uninstall.bat' >/dev/null 2>&1
}
installed_files() { (cd "$1" 2>/dev/null && find . -type f | sort | tr '\n' ' '); }

if [ -z "$setup" ] || [ -z "$msi" ]; then
    fail "no installers in $package"
    exit 1
fi

# .dat belongs to another program before; the user has settings.
wine reg add 'HKLM\Software\Classes\.dat' /ve /d Other.Data /f >/dev/null 2>&1
wine reg add 'HKCU\Software\KORVELT\KORVELT Time Control' /v Kept /d yes /f >/dev/null 2>&1

echo "== windows: quiet install for all users, and again over it"
wine "$setup" /S
wineserver -w
for file in bin/korvelt-time-control.exe bin/korvelt-time-control-demo.exe bin/korveltctl.exe bin/Horalux.chm \
    bin/Qt6Core.dll bin/libstdc++-6.dll bin/platforms/qwindows.dll licence.txt changes.txt uninstall.exe; do
    [ -f "$program_dir/$file" ] || fail "installed: $file"
done
# The device path's stand-in and pipe server are the tests' alone.
for file in bin/setupapi.dll bin/korvelt-pipe-device.exe; do
    [ ! -e "$program_dir/$file" ] || fail "installed: $file, which is for the tests only"
done
for link in "KORVELT Time Control" "KORVELT Time Control Demo" "User Guide" Uninstall; do
    [ -f "$menu/$link.lnk" ] || fail "Start menu: $link"
done
[ "$(default_value 'HKLM\Software\Classes\.dat')" = KORVELT.Schedule ] || fail "the .dat type"
for name in Publisher DisplayVersion EstimatedSize DisplayIcon HelpLink QuietUninstallString; do
    [ -n "$(value "HKLM\\$uninstall_key" "$name")" ] || fail "the uninstall entry's $name"
done
echo "kept" >"$program_dir/bin/user notes.txt"
wine "$setup" /S
wineserver -w
[ -f "$program_dir/bin/korvelt-time-control.exe" ] && [ -f "$program_dir/bin/user notes.txt" ] ||
    fail "installed over itself: the program or the user's file is gone"
[ "$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null | grep -c 'KORVELT')" = 1 ] ||
    fail "installed over itself: not one uninstall entry"
[ "$(value 'HKCU\Software\KORVELT\KORVELT Time Control' Kept)" = yes ] || fail "installed over itself: the settings are gone"
wine "$program_dir/bin/korveltctl.exe" --version | grep -q "korveltctl 1.00" || fail "installed korveltctl.exe"
# What is shipped is stripped: no debugging sections in any program or DLL.
while IFS= read -r -d '' file; do
    ! x86_64-w64-mingw32-objdump -h "$file" | grep -q "\.debug_" || fail "installed, not stripped: ${file#"$program_dir/"}"
done < <(find "$program_dir" \( -name '*.dll' -o -name '*.exe' \) -print0)
# Over a running copy of the program a quiet install replaces nothing: it gives up with exit 5
# (an installer with its pages asks to close the program and retries).
if [ -n "${DISPLAY:-}" ]; then
    wine "$program_dir/bin/korvelt-time-control-demo.exe" >/dev/null 2>&1 &
    running=$!
    if timeout 120 xdotool search --sync --name '^KORVELT Time Control' >/dev/null; then
        wine "$setup" /S
        [ $? -eq 5 ] || fail "installed over a running program: not exit 5"
    else
        fail "the installed demo's window"
    fi
    kill "$running" 2>/dev/null
    wineserver -k 2>/dev/null
    wait "$running" 2>/dev/null
fi

# The installed korveltctl makes the report with what the installer put beside it: the PDF's
# text reads back as the Linux build's (the "Printed:" time aside).
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

# The registered quiet uninstall returns when the files are gone: only the user's file stays,
# and the running uninstaller itself, which Windows deletes at the next start.
echo "== windows: the registered quiet uninstall"
quiet_uninstall HKLM || fail "no quiet uninstall string"
left=$(installed_files "$program_dir")
[ "$left" = "./bin/user notes.txt ./uninstall.exe " ] || fail "quiet uninstall returned with $left"
wineserver -w
[ ! -e "$menu" ] || fail "uninstalled: the Start menu folder is still there"
[ "$(default_value 'HKLM\Software\Classes\.dat')" = Other.Data ] || fail "uninstalled: .dat is not given back"
[ -z "$(value "HKLM\\$uninstall_key" DisplayName)" ] || fail "uninstalled: the uninstall entry is still there"
rm -f "$program_dir/uninstall.exe" # as the next start of Windows would

echo "== windows: quiet install for the current user, without the file type, with PATH"
wine "$setup" /S /CurrentUser /FILETYPE=0 /PATH=1
wineserver -w
[ -f "$user_dir/bin/korveltctl.exe" ] || fail "current user: not installed into $user_dir"
[ "$(default_value 'HKLM\Software\Classes\.dat')" = Other.Data ] || fail "/FILETYPE=0: .dat was taken"
[ -z "$(default_value 'HKCU\Software\Classes\.dat')" ] || fail "/FILETYPE=0: .dat was taken for the user"
value 'HKCU\Environment' Path | grep -qF 'KORVELT Time Control\bin' || fail "/PATH=1: not on the user's PATH"
quiet_uninstall HKCU || fail "current user: no quiet uninstall string"
[ "$(installed_files "$user_dir")" = "./uninstall.exe " ] || fail "current user: uninstall left $(installed_files "$user_dir")"
if value 'HKCU\Environment' Path | grep -qF 'KORVELT Time Control\bin'; then
    fail "current user: uninstalled, still on PATH"
fi
wineserver -w
rm -f "$user_dir/uninstall.exe"

echo "== windows: the MSI, quietly"
rm -f "$program_dir/bin/user notes.txt"
msi_windows=$(winepath -w "$msi" 2>/dev/null)
wine msiexec /i "$msi_windows" /qn ADDTOPATH=1 >/dev/null 2>&1 || fail "msiexec /i"
wineserver -w
for file in bin/korvelt-time-control.exe bin/korveltctl.exe bin/Horalux.chm licence.txt; do
    [ -f "$program_dir/$file" ] || fail "MSI installed: $file"
done
# Wine's msiexec puts a per-machine installation's shortcuts into the user's Start menu.
find "$drive_c" -path '*/Start Menu/Programs/KORVELT Time Control/KORVELT Time Control.lnk' | grep -q . ||
    fail "MSI: the Start-menu shortcut"
# Another program has .dat: the MSI offers itself under "Open with" and leaves the type alone.
[ "$(default_value 'HKLM\Software\Classes\.dat')" = Other.Data ] || fail "MSI: .dat was taken from the program that had it"
wine reg query 'HKLM\Software\Classes\.dat\OpenWithProgids' /v KORVELT.Schedule >/dev/null 2>&1 || fail "MSI: not under Open with"
value 'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment' Path | grep -qF 'KORVELT Time Control\bin' ||
    fail "MSI ADDTOPATH=1: not on PATH"
wine msiexec /x "$msi_windows" /qn >/dev/null 2>&1 || fail "msiexec /x"
wineserver -w
[ -z "$(installed_files "$program_dir")" ] || fail "MSI uninstalled: left $(installed_files "$program_dir")"
if value 'HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Environment' Path | grep -qF 'KORVELT Time Control'; then
    fail "MSI uninstalled: still on PATH"
fi
exit $status
