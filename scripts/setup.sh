# Shared by scripts/test and scripts/run: installs what is missing, builds,
# and starts (and later stops) the X display and the wine server.
# Sourced, not run. Uses: TW_ROOT (the repository), TW_BUILD (the build folder).

TW_PACKAGES="g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 wine64 xvfb xauth
  x11-apps fonts-wine fonts-liberation cmake googletest imagemagick python3"

tw_log() { echo "== $*" >&2; }

tw_missing_packages() {
  local missing="" package
  for package in $TW_PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing="$missing $package"
  done
  echo "$missing"
}

tw_install() {
  local missing
  missing=$(tw_missing_packages)
  [ -z "$missing" ] && return 0
  tw_log "installing:$missing"
  local sudo=""
  [ "$(id -u)" != 0 ] && sudo="sudo"
  dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
    $missing </dev/null >/dev/null
}

tw_build() {
  tw_log "building in $TW_BUILD"
  if [ ! -f "$TW_BUILD/CMakeCache.txt" ]; then
    cmake -S "$TW_ROOT" -B "$TW_BUILD" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$TW_ROOT/cmake/mingw-i686.cmake" >/dev/null
  fi
  # Progress lines are dropped; warnings and errors are shown.
  local status
  cmake --build "$TW_BUILD" -j "$(nproc)" -- --no-print-directory 2>&1 |
    { grep -v -E '^\[ *[0-9]+%\]|^Consolidate compiler' >&2; true; }
  status=${PIPESTATUS[0]}
  [ "$status" = 0 ]
}

# Wine's settings for every run: a prefix of our own, no debug noise, no
# install prompts, the 1252 code page.
tw_wine_env() {
  export WINEPREFIX="$TW_BUILD/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=en_US.UTF-8
}

TW_XVFB_PID=""
tw_start_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
    </dev/null >/dev/null 2>&1 &
  TW_XVFB_PID=$!
  local tries=0
  while [ ! -s "$number_file" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  export DISPLAY=":$(head -1 "$number_file")"
  rm -f "$number_file"
  tw_log "X display $DISPLAY"
}

# The wine server runs persistently and wineboot finishes before any test, all
# with their output detached: otherwise they inherit ctest's pipes and ctest
# waits for them until its time-out.
tw_start_wine() {
  tw_wine_env
  wineserver -p </dev/null >/dev/null 2>&1
  wineboot -u </dev/null >/dev/null 2>&1
  tw_install_fonts
}

# Wine does not look into the folder where fonts-wine puts Tahoma and Marlett;
# fonts in the prefix's own Fonts folder are found by every new process.
tw_install_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -f "$fonts/$(basename "$font")" ] || cp "$font" "$fonts/"
  done
}

tw_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; fi
  if [ -n "$TW_XVFB_PID" ]; then kill "$TW_XVFB_PID" 2>/dev/null || true; fi
}
