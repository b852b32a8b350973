#!/usr/bin/env bash
# The Windows installer and the Windows Installer package as a user and device management meet them,
# under Wine on a private X server, in a fresh Wine prefix. Each, installed silently, puts コラッツの問題
# in the Start menu and in the list of programs, and the installed program starts and shows its
# window (what it does there, tst_window checks); neither installs beside the other; the package
# replaces an earlier version in place; each, removed silently, leaves no file, menu entry or
# registry key behind.
# usage: windows_installer.sh <Windows build folder>
set -u
build=$1
fail() { echo "FAIL: $*"; exit 1; }
type -P wine wineserver Xvfb xdotool cpack wixl msibuild >/dev/null || { echo "SKIP: needs wine, Xvfb, xdotool, wixl, msibuild"; exit 77; }
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wineserver -k 2>/dev/null; wait; rm -rf "$tmp"' EXIT
# No prompts for Mono or Gecko, and no menu entries on this machine for the Windows Start menu.
export LC_ALL=C.UTF-8 WINEPREFIX=$tmp/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export DISPLAY=:$((500 + RANDOM % 400))
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp &>/dev/null &
for _ in $(seq 50); do xdotool getdisplaygeometry &>/dev/null && break; sleep 0.1; done

(cd "$build" && cpack -G NSIS -B "$tmp/package" >/dev/null) || fail "cpack could not make the installer"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for made in 0.9.0 "$version"; do
    "$(dirname "$0")/../tools/windows/make_msi.sh" "$build" "$made" "$tmp/package/$made.msi" || fail "no package $made"
done
wineboot --init &>/dev/null
wine "$tmp"/package/collatz-*-win64-setup.exe /S || fail "the silent install failed"
wineserver -w # the registry is on disk once the server has ended
folder="$WINEPREFIX/drive_c/Program Files/Collatz"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/コラッツの問題"
users_menu_entry="$WINEPREFIX/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/コラッツの問題.lnk"
# The versions of コラッツの問題 in the list of programs, each under the key that ends in $1. The
# registry keeps names as \x escapes of UTF-16.
listed() {
    grep -A12 "^\\[Software\\\\\\\\Microsoft\\\\\\\\Windows\\\\\\\\CurrentVersion\\\\\\\\Uninstall\\\\\\\\$1" "$WINEPREFIX/system.reg" |
        grep -A8 -F '"DisplayName"="\x30b3\x30e9\x30c3\x30c4\x306e\x554f\x984c"' | grep '^"DisplayVersion"'
}
[ -f "$folder/collatz.exe" ] && [ -f "$folder/guide-ja.html" ] || fail "no collatz.exe or guide in $folder"
[ -f "$menu/コラッツの問題.lnk" ] || fail "no Start menu entry"
[ -n "$(listed Collatz)" ] || fail "not in the list of programs"

# The installed program starts and shows its window: a DLL or plugin missing from the package would
# stop it first.
starts() {
    (cd "$tmp" && wine 'C:\Program Files\Collatz\collatz.exe' &>"$tmp/log") &
    timeout 60 xdotool search --sync --name 'Veltrumの問題' >/dev/null || fail "no window $1: $(cat "$tmp/log")"
    wineserver -k
    wait $!
}
starts "from the installer"
wine msiexec /i "$tmp/package/$version.msi" /qn
[ $? -eq $((1603 % 256)) ] || fail "the package installed beside the installer's copy" # 1603, as Unix keeps it

wine "$folder/Uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 100); do [ -e "$folder" ] || break; sleep 0.2; done # it goes on from a copy of itself
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(find "$folder")"
[ ! -e "$menu" ] || fail "the Start menu entry is left behind"
! grep -il 'collatz' "$WINEPREFIX"/*.reg || fail "registry entries are left behind"

# The package: an earlier version, then this one over it, in place. Wine's Windows Installer puts a
# per-machine package's menu entry in the installing user's menu (Windows, in all users').
wine msiexec /i "$tmp/package/0.9.0.msi" /qn || fail "no earlier package installed"
wine msiexec /i "$tmp/package/$version.msi" /qn || fail "no upgrade"
wineserver -w
[ "$(listed '{')" = "\"DisplayVersion\"=\"$version\"" ] || fail "the list of programs holds: $(listed '{')"
[ -f "$folder/collatz.exe" ] || fail "the package put no collatz.exe in $folder"
compgen -G "$users_menu_entry" >/dev/null || fail "the package made no Start menu entry"
starts "from the package"
wine "$tmp"/package/collatz-*-win64-setup.exe /S && fail "the installer installed beside the package's copy"
wine msiexec /x "$tmp/package/$version.msi" /qn || fail "the package's silent removal failed"
wineserver -w
[ ! -e "$folder" ] || fail "left behind by the package: $(find "$folder")"
! compgen -G "$users_menu_entry" || fail "the package's Start menu entry is left behind"
! grep -il 'collatz\|\\x30b3\\x30e9\\x30c3' "$WINEPREFIX"/*.reg || fail "registry entries are left behind by the package"
echo "installed, ran and uninstalled under $(wine --version), with the installer and with the package"
