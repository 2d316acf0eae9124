#!/usr/bin/env bash
# The Debian package: its dependencies, its contents unpacked into a scratch root, and the
# program in it starting.
set -euo pipefail
build_dir=$1
. "$(dirname "$0")/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$scratch" >/dev/null)
package=$(ls "$scratch"/mirtavo_*.deb)

[ "$(dpkg-deb -f "$package" Package)" = mirtavo ] || fail "package name"
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-liberation; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
if dpkg-deb -c "$package" | grep -vE '\./usr/(bin|share)/' | grep -qv '\./usr/$\|\./$'; then
  fail "files outside /usr/bin and /usr/share"
fi

dpkg-deb -x "$package" "$scratch/root"
expect_installed_files "$scratch/root"
expect_valid_metadata "$scratch/root"
expect_program_starts "$scratch/root/usr/bin/mirtavo"
echo "$(basename "$package") depends on: $depends"
