# Shared by scripts/test, scripts/run and scripts/bench: installs what is
# missing, configures and builds, and starts (and later stops) the X display
# and the wine server. Each step says what it does; each failure says why and
# returns non-zero. Sourced, not run. Uses: TW_ROOT (the repository), TW_BUILD
# (the build folder).

# What the scripts use: the cross compiler and its headers, wine (32-bit) with
# its fonts, the X display for windows, cmake, the GoogleTest sources, and
# python3 for the layering check and the result count, and chmcmd (fp-utils)
# for the help file.
TW_PACKAGES="g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 wine64 xvfb
  fonts-wine fonts-liberation cmake googletest python3 fp-utils"
TW_GOOGLETEST=/usr/src/googletest

tw_log() { echo "== $*" >&2; }
tw_fail() { echo "== stopped: $*" >&2; return 1; }

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
  if [ -z "$missing" ]; then
    tw_log "packages: all present"
    return 0
  fi
  tw_log "installing:$missing"
  local sudo=""
  [ "$(id -u)" != 0 ] && sudo="sudo"
  dpkg --print-foreign-architectures | grep -q i386 || $sudo dpkg --add-architecture i386 ||
    { tw_fail "could not add the i386 architecture (wine32 lives there)"; return 1; }
  $sudo apt-get update -q >/dev/null ||
    { tw_fail "apt-get update failed"; return 1; }
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
    $missing </dev/null >/dev/null ||
    { tw_fail "could not install:$missing"; return 1; }
}

# The configure step runs every time (it is quick when nothing changed), so a
# first configure that failed half-way is never left behind to fail forever.
tw_configure() {
  if [ ! -f "$TW_GOOGLETEST/googletest/CMakeLists.txt" ]; then
    tw_fail "no GoogleTest sources at $TW_GOOGLETEST (Debian package googletest)"
    return 1
  fi
  tw_log "configuring $TW_BUILD"
  local log
  log=$(cmake -S "$TW_ROOT" -B "$TW_BUILD" -DCMAKE_BUILD_TYPE=Release \
          -DTW_GOOGLETEST="$TW_GOOGLETEST" \
          -DCMAKE_TOOLCHAIN_FILE="$TW_ROOT/cmake/mingw-i686.cmake" 2>&1) ||
    { echo "$log" >&2; tw_fail "cmake could not configure the build (output above)"; return 1; }
}

tw_build() {
  tw_configure || return 1
  tw_log "building in $TW_BUILD"
  # Progress lines are dropped; warnings and errors are shown. The filter may
  # have nothing to print (an up-to-date build): that is not a failure.
  local status
  cmake --build "$TW_BUILD" -j "$(nproc)" -- --no-print-directory 2>&1 |
    { grep -v -E '^\[ *[0-9]+%\]|^Consolidate compiler' >&2 || true; }
  status=${PIPESTATUS[0]}
  [ "$status" = 0 ] || { tw_fail "the build failed (compiler output above)"; return 1; }
}

# Wine's settings for every run: a prefix of our own (TW_WINEPREFIX, by
# default the build folder's "wineprefix"), no debug noise, no install
# prompts, the 1252 code page.
tw_wine_env() {
  export WINEPREFIX="${TW_WINEPREFIX:-$TW_BUILD/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=en_US.UTF-8
}

TW_XVFB_PID=""
tw_start_display() {
  tw_log "starting a private X display (Xvfb)"
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
    </dev/null >/dev/null 2>&1 &
  TW_XVFB_PID=$!
  local tries=0
  while [ ! -s "$number_file" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  local number
  number=$(head -1 "$number_file")
  rm -f "$number_file"
  if [ -z "$number" ] || ! kill -0 "$TW_XVFB_PID" 2>/dev/null; then
    TW_XVFB_PID=""
    tw_fail "Xvfb did not start (is the xvfb package installed?)"
    return 1
  fi
  export DISPLAY=":$number"
  tw_log "X display $DISPLAY"
}

# The wine server runs persistently and wineboot finishes before any test, all
# with their output detached: otherwise they inherit ctest's pipes and ctest
# waits for them until its time-out.
tw_start_wine() {
  tw_wine_env
  tw_log "starting the wine server and preparing $WINEPREFIX"
  # The server starts in the prefix folder: a first run makes it.
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1 ||
    { tw_fail "the wine server did not start (wineserver -p failed)"; return 1; }
  wineboot -u </dev/null >/dev/null 2>&1 ||
    { tw_fail "wineboot could not prepare the wine prefix $WINEPREFIX"; return 1; }
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
