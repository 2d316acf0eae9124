#!/usr/bin/env bash
# cmake --install into a scratch root: every file in its place, valid, and the program starts.
set -euo pipefail
build_dir=$1
. "$(dirname "$0")/checks.sh"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build_dir" --prefix /usr >/dev/null

expect_installed_files "$root"
expect_valid_metadata "$root"
expect_program_starts "$root/usr/bin/mirtavo"
echo "install tree complete and valid; the installed program starts"
