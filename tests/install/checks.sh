# Checks shared by the install and package tests, on a tree laid out under a root folder.
app_id=org.mirtavo.Mirtavo

fail() { echo "FAIL: $*" >&2; exit 1; }

expect_installed_files() {
  local root=$1 file
  for file in \
    usr/bin/mirtavo \
    usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    [ -f "$root/$file" ] || fail "$file is not installed"
  done
  for size in 16 24 32 48 64 128 256; do
    file=usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    [ -f "$root/$file" ] || fail "$file is not installed"
    file "$root/$file" | grep -q "PNG image data, $size x $size" || fail "$file is not $size x $size"
  done
  [ -x "$root/usr/bin/mirtavo" ] || fail "the program is not executable"
}

expect_valid_metadata() {
  local root=$1
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop file"
  grep -qx "Exec=mirtavo" "$root/usr/share/applications/$app_id.desktop" || fail "Exec line"
  appstreamcli validate-tree --no-net "$root" || fail "metainfo"
}

# The program answers --version, and on the offscreen platform it starts and keeps running
# until it is stopped: it is waiting for the user, not dead.
expect_program_starts() {
  local program=$1
  [ "$("$program" --version)" = "Mirtavo 1.00" ] || fail "--version"
  local status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$program" || status=$?
  [ "$status" -eq 124 ] || fail "the program ended by itself with status $status"
}
