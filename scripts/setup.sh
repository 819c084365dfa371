# Shared by scripts/test, scripts/run and scripts/bench: installs what is
# missing, configures and builds, and starts (and later stops) the X display
# and the wine server. Each step says what it does; each failure says why and
# returns non-zero. Sourced, not run. Uses: TW_ROOT (the repository), TW_BUILD
# (the build folder).

# What the scripts use: the cross compiler and its headers, wine (32-bit) with
# its fonts, the X display for windows and xwininfo (x11-utils) to see them
# from outside, cmake, the GoogleTest sources, and python3 for the layering
# check and the result count, and chmcmd (fp-utils) for the help file.
TW_PACKAGES="g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 wine64 xvfb x11-utils
  fonts-wine fonts-liberation cmake googletest python3 fp-utils"
TW_GOOGLETEST=/usr/src/googletest

tw_log() { echo "== $*" >&2; }
tw_fail() { echo "== stopped: $*" >&2; return 1; }

# Milliseconds of the clock.
tw_now_ms() {
  local now=${EPOCHREALTIME/[.,]/}
  echo $((now / 1000))
}

# Checks the condition (a command and its arguments) until it holds, for at
# most SECONDS by the clock; answers 1 when the time ran out. The clock, not a
# count of checks: on a busy machine one check alone (a look through /proc,
# or a wine or X program) can take most of a second.
tw_wait_for() {
  local seconds=$1
  shift
  tw_wait_until_time $(($(tw_now_ms) + seconds * 1000)) "$@"
}

# The same until a time of the clock (tw_now_ms).
tw_wait_until_time() {
  local deadline=$1
  shift
  until "$@"; do
    [ "$(tw_now_ms)" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

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

# Builds the targets given (the program's own, for scripts/run), or all of
# them, tests and benchmarks too, when none is given.
tw_build() {
  tw_configure || return 1
  local targets=()
  if [ $# = 0 ]; then
    tw_log "building everything in $TW_BUILD"
  else
    tw_log "building $* in $TW_BUILD"
    targets=(--target "$@")
  fi
  # Progress lines are dropped; warnings and errors are shown. The filter may
  # have nothing to print (an up-to-date build): that is not a failure.
  local status
  cmake --build "$TW_BUILD" -j "$(nproc)" "${targets[@]}" -- --no-print-directory 2>&1 |
    { grep -v -E '^\[ *[0-9]+%\]|^Consolidate compiler' >&2 || true; }
  status=${PIPESTATUS[0]}
  [ "$status" = 0 ] || { tw_fail "the build failed (compiler output above)"; return 1; }
}

# Wine's settings for every run: a prefix of our own (TW_WINEPREFIX, by
# default the build folder's "wineprefix"), no debug noise, no install
# prompts, the 1252 code page. TW_COMMAND_ID marks the wine processes this
# command starts: wine hands the environment down to the programs they start
# in turn, so the command tells its own programs in the prefix from anyone
# else's (see tw_prefix_programs). A command that another one started (a test
# that scripts/test runs) adds its mark to its parent's, so the parent counts
# the child's programs among its own, and the child does not count its
# parent's or siblings'.
TW_COMMAND_ID="${TW_COMMAND_ID:+$TW_COMMAND_ID/}$$.$(date +%s%N)"
tw_wine_env() {
  export WINEPREFIX="${TW_WINEPREFIX:-$TW_BUILD/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=en_US.UTF-8
  export TW_COMMAND_ID
}

# The display runs in a session of its own, as the program does in
# scripts/run: Ctrl+C in the terminal reaches the command alone, which then
# closes the program before it stops the display.
TW_XVFB_PID=""
tw_start_display() {
  tw_log "starting a private X display (Xvfb)"
  local number_file
  number_file=$(mktemp)
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" \
    </dev/null >/dev/null 2>&1 &
  TW_XVFB_PID=$!
  tw_wait_for 10 test -s "$number_file"
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
# waits for them until its time-out. A server that already serves the prefix
# (one a "wine reg add" just started, or another command's) is used as it is
# and left running: TW_SERVER_STARTED tells whether this command started the
# server.
TW_SERVER_STARTED=""
TW_WINE_STARTED=""
tw_start_wine() {
  tw_wine_env
  TW_WINE_STARTED=1
  # The server starts in the prefix folder: a first run makes it.
  mkdir -p "$WINEPREFIX"
  tw_start_server || return 1
  tw_log "preparing $WINEPREFIX"
  wineboot -u </dev/null >/dev/null 2>&1 ||
    { tw_fail "wineboot could not prepare the wine prefix $WINEPREFIX"; return 1; }
  tw_install_fonts
}

# "wineserver -p" exits with 2 when a server holds the prefix's lock. A server
# may be on its way out when asked (one started by a single wine command ends
# a few seconds after it), so that answer counts only while the server is
# still there; otherwise the start is tried again.
tw_start_server() {
  local status tries=0
  while [ $tries -lt 10 ]; do
    status=0
    wineserver -p </dev/null >/dev/null 2>&1 || status=$?
    case $status in
      0)
        TW_SERVER_STARTED=1
        tw_log "started the wine server of $WINEPREFIX"
        return 0 ;;
      2)
        if [ -n "$(tw_server_pid)" ]; then
          tw_log "a wine server already serves $WINEPREFIX: using it, and leaving it running"
          return 0
        fi ;;
      *)
        break ;;
    esac
    tries=$((tries + 1))
  done
  tw_fail "the wine server of $WINEPREFIX did not start (wineserver -p exited with $status)"
}

# The wine processes of the prefix, read from /proc, one line each:
# "pid program mark", the program being the executable's file name in lower
# case as the process is named, and the mark its TW_COMMAND_ID ("-" when it
# has none). A wine process has WINELOADER in its environment and its
# WINEPREFIX names this prefix (the same folder, however spelled). The server
# is a line too, named "wineserver..." after its executable.
tw_prefix_processes() {
  local entry variable prefix loader mark name
  for entry in /proc/[0-9]*; do
    prefix="" loader="" mark="-"
    { while IFS= read -r -d '' variable; do
        case $variable in
          WINEPREFIX=*) prefix=${variable#WINEPREFIX=} ;;
          WINELOADER=*) loader=1 ;;
          TW_COMMAND_ID=*) mark=${variable#TW_COMMAND_ID=} ;;
        esac
      done <"$entry/environ"; } 2>/dev/null
    read -r name 2>/dev/null <"$entry/comm" || continue
    name=${name,,}
    [ -n "$loader" ] || [[ $name == wineserver* ]] || continue
    [ -n "$prefix" ] && [ "$prefix" -ef "$WINEPREFIX" ] || continue
    echo "${entry#/proc/} $name $mark"
  done
}

# The process id of the prefix's wine server; nothing when none runs.
tw_server_pid() {
  local pid name mark
  while read -r pid name mark; do
    [[ $name == wineserver* ]] && echo "$pid"
  done < <(tw_prefix_processes)
  return 0
}

# Wine's own processes, which stay while the server does and serve every
# program in the prefix, whoever started them. (A process name is cut to 15
# characters.)
tw_is_wine_service() {
  case $1 in
    services.exe | winedevice.exe | plugplay.exe | svchost.exe | rpcss.exe | explorer.exe | \
      conhost.exe | winemenubuilder) return 0 ;;
  esac
  return 1
}

# The prefix's programs (its wine processes but the server and wine's
# services): "own" lists those this command or the commands it started
# started, "others" those of anyone else; "pid program" a line.
tw_prefix_programs() {
  local whose=$1 pid name mark owner
  while read -r pid name mark; do
    if [[ $name == wineserver* ]] || tw_is_wine_service "$name"; then continue; fi
    case $mark in
      "$TW_COMMAND_ID" | "$TW_COMMAND_ID"/*) owner=own ;;
      *) owner=others ;;
    esac
    [ "$whose" = "$owner" ] && echo "$pid $name"
  done < <(tw_prefix_processes)
  return 0
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

# Ends what this command started, and nothing else: the wine server with all
# that runs in it when this command started the server and no one else's
# program runs there; otherwise this command's own programs, one by one,
# leaving the server to whoever uses it. Then the private display.
tw_stop() {
  if [ -n "$TW_WINE_STARTED" ]; then tw_stop_wine; fi
  if [ -n "$TW_XVFB_PID" ]; then kill "$TW_XVFB_PID" 2>/dev/null || true; fi
}

tw_stop_wine() {
  local others pid name
  others=$(tw_prefix_programs others)
  if [ -n "$TW_SERVER_STARTED" ] && [ -z "$others" ]; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
    return 0
  fi
  while read -r pid name; do
    kill "$pid" 2>/dev/null || true
  done < <(tw_prefix_programs own)
  if [ -n "$TW_SERVER_STARTED" ]; then
    tw_log "the wine server of $WINEPREFIX keeps running for what others run there" \
      "($(cut -d' ' -f2 <<<"$others" | sort -u | paste -sd' ')); 'wineserver -k' with that" \
      "WINEPREFIX ends it and them"
  fi
  return 0
}

# scripts/run's stop: asks the program it started to close as the window's
# close button does, so that the program saves as on every close, and waits
# until it has ended. A program still running TW_CLOSE_SECONDS after the stop
# (a message box that nobody answers, say), or a second stop signal, ends the
# wait: tw_stop then ends the program at once, unsaved.
#
#     tw_close_program Tidewatch.exe wine close_main_window.exe Tidewatch Tidewatch.exe
#
# The program is named by its file name; the command that asks it to close
# fails when the program shows no window to close.
TW_CLOSE_SECONDS=30
TW_HURRY=""
tw_close_program() {
  local program=$1
  shift
  tw_own_program_runs "$program" || return 0
  local deadline=$(($(tw_now_ms) + TW_CLOSE_SECONDS * 1000))
  tw_log "closing $program as its close button does, so that it saves as on every close" \
    "(Ctrl+C again ends it unsaved)"
  TW_HURRY=""
  trap 'TW_HURRY=1' INT TERM HUP
  if ! "$@" </dev/null >/dev/null 2>&1; then
    [ -n "$TW_HURRY" ] || tw_log "$program shows no main window to close: ending it"
    return 0
  fi
  if ! tw_wait_until_time "$deadline" tw_close_ended "$program" && [ -z "$TW_HURRY" ]; then
    tw_log "$program did not end within $TW_CLOSE_SECONDS seconds of being closed: ending it"
  fi
  return 0
}

# The program this command started runs in the prefix (its file name; wine
# names the process after it in lower case).
tw_own_program_runs() {
  tw_prefix_programs own | cut -d' ' -f2 | grep -qxF "${1,,}"
}

tw_close_ended() {
  [ -n "$TW_HURRY" ] || ! tw_own_program_runs "$1"
}

# Field N (3 or later) of a process's stat line; nothing when it is gone.
tw_process_stat_field() {
  local stat
  read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
  stat=${stat##*) } # past the command name, which may hold blanks
  set -- $2 $stat   # then field 3 is $2
  shift "$(($1 - 2))"
  echo "$1"
}

# When the process started (clock ticks since boot); nothing when it is gone.
# A process id and its start name one process for good: ids are reused, the
# pair is not.
tw_process_start() {
  tw_process_stat_field "$1" 22
}

# One scripts/run at a time per build folder: two programs over one
# "conf.xml" would each save their own keywords on close, the last one over
# the other's, and two builds in one folder trip over each other. The claim is
# a file naming the command that holds it; one whose command has ended is
# taken over. A lock keeps two commands from claiming at the same moment.
TW_RUN_CLAIM=""
tw_claim_run() {
  local claim="$TW_BUILD/scripts-run.claim" lock holder="" holder_start=""
  mkdir -p "$TW_BUILD" || { tw_fail "could not make the build folder $TW_BUILD"; return 1; }
  exec {lock}>>"$claim.lock"
  flock "$lock"
  [ -f "$claim" ] && read -r holder holder_start <"$claim"
  if [ -n "$holder" ] && [ "$(tw_process_start "$holder")" = "$holder_start" ]; then
    exec {lock}>&-
    tw_fail "Tidewatch already runs from $TW_BUILD (scripts/run, process $holder) and is" \
      "left running: close it before starting it again, or build into another folder (TW_BUILD)"
    return 1
  fi
  echo "$$ $(tw_process_start $$)" >"$claim"
  exec {lock}>&-
  TW_RUN_CLAIM=$claim
}

tw_release_run() {
  [ -n "$TW_RUN_CLAIM" ] || return 0
  local holder="" holder_start=""
  read -r holder holder_start 2>/dev/null <"$TW_RUN_CLAIM"
  [ "$holder" = "$$" ] && rm -f "$TW_RUN_CLAIM"
  TW_RUN_CLAIM=""
}
