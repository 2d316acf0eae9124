#!/usr/bin/env bash
# The installer run silently under Wine puts Mirtavo.exe, what it needs and a Start-menu
# shortcut in place, in the 64-bit program folder of a Windows that has both; its uninstaller,
# run silently, removes all of it again.
set -euo pipefail
build_dir=$1
wine=${MIRTAVO_WINE:-wine}
fail() { echo "FAIL: $*" >&2; exit 1; }

setup=$build_dir/Mirtavo-1.0-win64-setup.exe
[ -f "$setup" ] || fail "$setup is missing: scripts/build-windows makes it"
drive=$(readlink -f "$("$wine" winepath -u 'C:\' 2>/dev/null)")
target="$drive/Program Files/Mirtavo"
shortcuts() { find "$drive" -name "Mirtavo.lnk" -path "*Start Menu*" 2>/dev/null; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirtavo'
# Waits up to 30 s for a condition: Wine may finish writing after a program has exited.
within_30s() {
  for _ in $(seq 60); do
    "$@" && return 0
    sleep 0.5
  done
  return 1
}
installed() { [ -f "$target/Uninstall.exe" ] && [ -n "$(shortcuts)" ]; }
removed() { [ ! -e "$target" ] && [ -z "$(shortcuts)" ]; }

# What an interrupted earlier run left in the build's Wine installation goes first.
if [ -e "$target" ]; then
  "$wine" "$target/Uninstall.exe" /S >/dev/null 2>&1 || true
  within_30s removed || rm -rf "$target"
fi

"$wine" "$setup" /S >/dev/null 2>&1
within_30s installed || true
[ ! -e "$drive/Program Files (x86)/Mirtavo" ] || fail "installed into the 32-bit program folder"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
for file in Mirtavo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll licenses/Qt/LGPL-3.0-only.txt \
  Uninstall.exe; do
  [ -f "$target/$file" ] || fail "$file is not installed"
done
[ ! -e "$target/share" ] && [ ! -e "$target/bin" ] || fail "Linux folders in the Windows layout"
# The version record Explorer shows: its strings, in the English (United States) block.
record="|$(strings -el "$target/Mirtavo.exe" | tr '\n' '|')"
for entry in "040904B0|" "ProductName|Mirtavo|" "InternalName|Mirtavo|" "FileVersion|1.00|" \
  "ProductVersion|1.00|"; do
  [[ $record == *"|$entry"* ]] || fail "the version record lacks ${entry//|/ }"
done
# The entry Windows lists the program by names the folder it is in.
entry=$("$wine" reg query "$uninstall_key" /v UninstallString 2>/dev/null | tr -d '\r') ||
  fail "no uninstall entry"
[[ $entry == *'"C:\Program Files\Mirtavo\Uninstall.exe"'* ]] ||
  fail "the uninstall entry names another folder: $entry"
echo "installed: $(cd "$target" && find . -type f | wc -l) files, shortcut $(shortcuts | sed "s|$drive/||")"

# The uninstaller copies itself away and runs from there, so wait for it to finish.
"$wine" "$target/Uninstall.exe" /S >/dev/null 2>&1
within_30s removed || fail "left behind: $(find "$target" | head -5) $(shortcuts)"
! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is left behind"
echo "uninstalled: nothing left behind"
