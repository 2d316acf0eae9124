#!/usr/bin/env bash
# The installer run silently under Wine puts Mirtavo.exe, what it needs and a Start-menu
# shortcut in place; its uninstaller, run silently, removes all of it again.
set -euo pipefail
build_dir=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

setup=$build_dir/Mirtavo-1.0-win64-setup.exe
[ -f "$setup" ] || fail "$setup is missing: scripts/build-windows makes it"
drive=$(winepath -u 'C:\' 2>/dev/null)
drive=${drive%/}
target="$drive/Program Files/Mirtavo"
shortcuts() { find "$drive" -name "Mirtavo.lnk" -path "*Start Menu*" 2>/dev/null; }
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirtavo'
[ ! -e "$target" ] || fail "$target exists before the installation"

wine "$setup" /S >/dev/null 2>&1
for file in Mirtavo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll \
  platforms/qwindows.dll styles/qwindowsvistastyle.dll licenses/Qt/LGPL-3.0-only.txt \
  Uninstall.exe; do
  [ -f "$target/$file" ] || fail "$file is not installed"
done
[ ! -e "$target/share" ] && [ ! -e "$target/bin" ] || fail "Linux folders in the Windows layout"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "no uninstall entry"
echo "installed: $(cd "$target" && find . -type f | wc -l) files, shortcut $(shortcuts | sed "s|$drive/||")"

# The uninstaller copies itself away and runs from there, so wait for it to finish.
wine "$target/Uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 120); do
  [ -e "$target" ] || break
  sleep 0.5
done
[ ! -e "$target" ] || fail "left behind: $(find "$target" | head -5)"
[ -z "$(shortcuts)" ] || fail "the Start-menu shortcut is left behind"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is left behind"
echo "uninstalled: nothing left behind"
