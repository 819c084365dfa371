#!/usr/bin/env bash
# The commands' wine server and run claim (scripts/setup.sh): a command uses a
# server that already serves its prefix, and ends only what it started: the
# server only when it started it and nobody else's program runs there,
# otherwise its own programs alone. Real wine processes in a prefix of the
# test's own, without a display: "wine ping" to 127.0.0.1 stands for a
# program that runs on.
#
#     WineServerTest.sh WORK_FOLDER REPORT
set -u
. "$(dirname "$0")/TestCases.sh"
work=$1
report=$2

unset DISPLAY
TW_BUILD="$work"
TW_WINEPREFIX="$work/wineprefix"
tw_wine_env
TW_WINE_STARTED=1
mkdir -p "$WINEPREFIX"

server_up() { [ -n "$(tw_server_pid)" ]; }
server_down() { [ -z "$(tw_server_pid)" ]; }
prefix_empty() { [ -z "$(tw_prefix_processes)" ]; }
# whose: own (this command's mark) or others (another command's).
program_runs() { tw_prefix_programs "$1" | grep -q ' ping\.exe$'; }
program_gone() { ! program_runs "$1"; }

# Starts a program as this command ("own"), as a command that this one
# started ("child") or as another command ("another"), and waits until it runs.
start_program() {
  local whose=own
  (
    case $1 in
      child) export TW_COMMAND_ID="$TW_COMMAND_ID/child-command" ;;
      another) export TW_COMMAND_ID=another-command ;;
    esac
    wine ping -n 3600 127.0.0.1 </dev/null >/dev/null 2>&1 &
  )
  [ "$1" = another ] && whose=others
  tw_wait_until program_runs "$whose"
}

# What another command leaves: a server that runs on (as scripts/test starts
# it), or the one a single wine command starts and that ends a few seconds
# after it.
start_server_of_another() {
  case $1 in
    persistent)
      TW_COMMAND_ID=another-command wineserver -p </dev/null >/dev/null 2>&1
      tw_wait_until server_up ;;
    transient)
      TW_COMMAND_ID=another-command wine reg add 'HKCU\Software\Tidewatch scripts test' \
        /v Server /d transient /f </dev/null >/dev/null 2>&1 ;;
  esac
}

end_everything() {
  wineserver -k </dev/null >/dev/null 2>&1
  tw_wait_until prefix_empty
}

# The first run makes the prefix (wine does so on its first command); the
# cases then start from a prefix where nothing runs, and the test leaves none.
holder_pid=""
trap 'end_everything; [ -z "$holder_pid" ] || kill "$holder_pid"' EXIT
wineboot -u </dev/null >/dev/null 2>&1
end_everything

# name, the server before the command starts, who starts a second program
# beside the command's own ("-": nobody; "child": a command it started;
# "another": another command), and the server after the command has stopped.
rows=(
  "started_alone            none        -        down"
  "started_beside_another   none        another  up"
  "started_beside_child     none        child    down"
  "found_running            persistent  -        up"
  "found_ending             transient   -        any"
)
for row in "${rows[@]}"; do
  read -r name before second after <<<"$row"
  tw_case "$name"
  start_server_of_another "$before"
  TW_SERVER_STARTED=""
  tw_expect "the server starts or is used" tw_start_server
  case $before in
    none) tw_expect "this command started the server" test -n "$TW_SERVER_STARTED" ;;
    persistent) tw_expect "this command did not start the server" test -z "$TW_SERVER_STARTED" ;;
  esac
  tw_expect "its own program starts" start_program own
  [ "$second" = - ] || tw_expect "the second program starts" start_program "$second"
  tw_stop_wine
  tw_expect "its own programs have ended" tw_wait_until program_gone own
  [ "$second" != another ] || tw_expect "the other command's program runs on" program_runs others
  case $after in
    down) tw_expect "the server has ended" tw_wait_until server_down ;;
    up) tw_expect "the server runs on" server_up ;;
  esac
  end_everything
  tw_case_done
done

# The run claim: name, who holds the claim file before ("nobody", "a live
# command", "an ended command": a live process id with another start time),
# and whether this command gets it.
claim_holder() {
  case $1 in
    nobody) rm -f "$TW_BUILD/scripts-run.claim" ;;
    live) echo "$holder_pid $(tw_process_start "$holder_pid")" >"$TW_BUILD/scripts-run.claim" ;;
    ended) echo "$holder_pid 1" >"$TW_BUILD/scripts-run.claim" ;;
  esac
}
claimed_by_us() {
  local pid start
  read -r pid start <"$TW_BUILD/scripts-run.claim" && [ "$pid" = $$ ]
}
claim_refused() { ! tw_claim_run 2>/dev/null; }
claimed_by_another() { ! claimed_by_us; }
sleep 3600 &
holder_pid=$!
rows=(
  "claim_free       nobody  yes"
  "claim_held       live    no"
  "claim_left_over  ended   yes"
)
for row in "${rows[@]}"; do
  read -r name holder gets <<<"$row"
  tw_case "$name"
  claim_holder "$holder"
  TW_RUN_CLAIM=""
  if [ "$gets" = yes ]; then
    tw_expect "the claim is granted" tw_claim_run
    tw_expect "the claim names this command" claimed_by_us
    tw_release_run
    tw_expect "the released claim is gone" test ! -e "$TW_BUILD/scripts-run.claim"
  else
    tw_expect "the claim is refused" claim_refused
    tw_expect "the holder keeps the claim" claimed_by_another
  fi
  tw_case_done
done

tw_write_report "$report" WineServer
