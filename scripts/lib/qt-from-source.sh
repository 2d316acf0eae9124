# Builds Qt from Debian's own qt6-base source package for another platform, keeps it in a cache
# outside the clone and prints the folder. Sourced by windows-qt and web-qt, which name the
# platform and its configure arguments:
#   build_qt_from_source NAME "WHAT" CMAKE-ARGUMENT...
# The version is that of the host Qt, whose moc, rcc and uic every cross build runs. A second
# call finds the finished folder and only prints it.
#   $MIRTAVO_CACHE_DIR   where built Qt versions are kept (~/.cache/mirtavo unless set)

qt_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_cache=${MIRTAVO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/mirtavo}

# Features no Mirtavo build uses, whatever the platform.
qt_unused_features=(
  concurrent dbus network printsupport sql xml vulkan tabletevent zstd icu
  imageformat_bmp imageformat_ppm imageformat_xbm jpeg gif
)

# The dialogs, views, widgets and text formats that no window has. Whatever a feature left on
# needs stays, or Qt would leave that feature out too (the message box needs the check box, the
# scroll bar the slider, the radio buttons' group the group box); and Qt 6.4 itself does not
# compile without its main window, tool bar, menu bar, item views, gestures, drag and drop or
# MIME types, nor its module headers without the undo framework, movies and the item models.
qt_unused_widgets=(
  pdf cssparser textodfwriter textmarkdownreader textmarkdownwriter systemtrayicon whatsthis
  sharedmemory systemsemaphore filesystemwatcher
  colordialog filedialog fontdialog progressdialog inputdialog errormessage wizard
  mdiarea calendarwidget datetimeedit spinbox dockwidget statusbar
  tabbar tabwidget toolbox stackedwidget splitter splashscreen lcdnumber dial progressbar
  commandlinkbutton fontcombobox combobox keysequenceedit textbrowser syntaxhighlighter
  graphicsview graphicseffect datawidgetmapper
)

qt_feature_flags() {
  local feature
  # CMake spells a feature's name with underscores where Qt's documentation has hyphens.
  for feature in "$@"; do printf -- '-DFEATURE_%s=OFF\n' "${feature//-/_}"; done
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A new machine's apt sources name binary packages only: add the same archive's sources.
fetch_qt_source() {
  local work=$1
  if ! apt-get source --print-uris qt6-base="$qt_version" >/dev/null 2>&1; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      as_root tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
    as_root apt-get update -qq
  fi
  (cd "$work" && apt-get source -qq qt6-base="$qt_version" >/dev/null 2>&1)
  find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -1
}

# Runs a step of the Qt build with its output in LOG; if the step fails, the end of that log goes
# to standard error, where CI shows it, and the build stops.
logged() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 && return 0
  echo "qt: failed: $*; the end of $log:" >&2
  tail -n 60 "$log" >&2
  return 1
}

# A platform script may define qt_prepare_source SOURCE-DIR to change the source before it is
# configured. The cache folder is named after everything that shapes the build: the arguments,
# that change and the font subsetter it may run.
build_qt_from_source() {
  local name=$1 what=$2
  shift 2
  local lib root key
  lib=$(dirname "${BASH_SOURCE[0]}")
  root=$(cd "$lib/../.." && pwd)
  # Where the clone stands does not shape the build: every clone finds the same cache.
  key=$( (printf '%s\n' "${@//"$root"/.}"; declare -f qt_prepare_source || true
    cat "$lib/subset-font") | sha256sum | cut -c1-10)
  local prefix=$qt_cache/qt-$qt_version-$name-$key
  if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    return 0
  fi
  local work=$qt_cache/qt-build-$name
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  echo "qt: building Qt ${qt_version%%+*} for $what into $prefix (about 20 minutes on 2 cores)" >&2
  local source_dir
  source_dir=$(fetch_qt_source "$work")
  if declare -F qt_prepare_source >/dev/null; then
    qt_prepare_source "$source_dir"
  fi
  logged "$work/configure.log" cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    "$@"
  logged "$work/build.log" cmake --build "$work/build" --parallel
  logged "$work/install.log" cmake --install "$work/build"
  mkdir -p "$prefix/licenses"
  cp "$source_dir"/LICENSES/*.txt "$prefix/licenses/"
  touch "$prefix/.complete"
  rm -rf "$work"
  echo "$prefix"
}

# Qt's WebAssembly build finds emscripten through an emsdk-shaped folder named by EMSDK: a
# .emscripten file naming EMSCRIPTEN_ROOT and upstream/emscripten/ with emcc beside the
# toolchain file. Debian's emscripten is laid out otherwise, so the folder is made of links to
# it. Debian's emscripten runs its JavaScript optimizer with Node, which finds acorn through
# NODE_PATH.
use_debian_emscripten() {
  export EMSDK=$qt_cache/emsdk
  export NODE_PATH=/usr/share/nodejs
  export EMSDK_PYTHON=/usr/bin/python3
  local root=$EMSDK/upstream/emscripten entry
  [ -x "$root/emcc" ] && return 0
  mkdir -p "$root"
  for entry in /usr/share/emscripten/* /usr/share/emscripten/.emscripten; do
    ln -sfn "$entry" "$root/${entry##*/}"
  done
  ln -sfn /usr/bin/emcc "$root/emcc"
  echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$EMSDK/.emscripten"
}

# configure_for_web SOURCE BUILD [CMAKE ARGUMENT...]: configures a project with Qt for
# WebAssembly (scripts/web-qt, built first if need be), its host tools from Debian's Qt, for size.
configure_for_web() {
  local source=$1 build=$2 qt
  shift 2
  use_debian_emscripten
  qt=$("$qt_scripts/web-qt")
  "$qt/bin/qt-cmake" -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "$@" >/dev/null
}
