#!/usr/bin/env bash
# scripts/run's stop (tw_close_program in scripts/setup.sh): it asks the
# program to close and waits for its end, but a program that ignores the
# close is given up after TW_CLOSE_SECONDS by the clock, however slow each
# look at the prefix's processes is. A fake program stands for Tidewatch: the
# look at whether it runs (tw_own_program_runs) is replaced by one that takes
# 0.7 s, as it did on a busy machine, and the command that asks it to close
# is a function of the test. Needs neither wine nor a display.
#
#     CloseProgramTest.sh REPORT
set -u
. "$(dirname "$0")/TestCases.sh"
report=$1

TW_CLOSE_SECONDS=4
look_seconds=0.7
# What the fake program does: "ignores" the close, "ends" one look after it
# was asked, shows "no_window" to close, is "gone" before the stop, or the
# user stops again ("stopped_again") right after the program was asked.
behaviour=""
asks=0
looks_since_ask=0

tw_own_program_runs() {
  sleep "$look_seconds"
  case $behaviour in
    gone) return 1 ;;
    ends) [ $asks = 0 ] || [ $((looks_since_ask++)) -lt 1 ] ;;
    *) return 0 ;;
  esac
}

ask_to_close() {
  asks=$((asks + 1))
  case $behaviour in
    no_window) return 1 ;;
    stopped_again) kill -TERM $$ ;;
  esac
  return 0
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
elapsed_ms=0
close_fake_program() {
  asks=0
  looks_since_ask=0
  local start
  start=$(tw_now_ms)
  tw_close_program fake.exe ask_to_close 2>"$log"
  elapsed_ms=$(($(tw_now_ms) - start))
  trap - INT TERM HUP
}

took_at_least() { [ "$elapsed_ms" -ge "$1" ]; }
# The time a program that ignores the close gets, then one look at most, and
# three seconds for a busy machine. A stop that counted five looks a second
# instead of reading the clock would take 20 looks of 0.9 s here: 18 s.
took_about_the_close_time() {
  [ "$elapsed_ms" -le $((TW_CLOSE_SECONDS * 1000 + 700 + 3000)) ]
}
took_less_than_the_close_time() { [ "$elapsed_ms" -lt $((TW_CLOSE_SECONDS * 1000)) ]; }
logged() { grep -q "$1" "$log"; }
not_logged() { ! logged "$1"; }

# name, the fake program's behaviour, how often it is asked to close, how
# long the stop takes ("full": the close time and about no more; "short":
# less), and what the stop says (a part of its lines; "-": nothing).
rows=(
  "ignores_the_close  ignores        1  full   did not end within 4 seconds"
  "ends_when_asked    ends           1  short  closing fake.exe"
  "shows_no_window    no_window      1  short  shows no main window"
  "stopped_again      stopped_again  1  short  closing fake.exe"
  "not_running        gone           0  short  -"
)
for row in "${rows[@]}"; do
  read -r name behaviour expected_asks takes says <<<"$row"
  tw_case "$name"
  close_fake_program
  tw_expect "asked to close $expected_asks time(s), not $asks" test "$asks" = "$expected_asks"
  if [ "$says" = - ]; then
    tw_expect "the stop says nothing" test ! -s "$log"
  else
    tw_expect "the stop says '$says'" logged "$says"
  fi
  if [ "$takes" = full ]; then
    tw_expect "the program was given the close time (took $elapsed_ms ms)" \
      took_at_least $((TW_CLOSE_SECONDS * 1000))
    tw_expect "the program was given up about the close time later (took $elapsed_ms ms)" \
      took_about_the_close_time
  else
    tw_expect "the stop is not given up" not_logged "did not end"
    tw_expect "the stop ended before the close time (took $elapsed_ms ms)" \
      took_less_than_the_close_time
  fi
  tw_case_done
done

tw_write_report "$report" CloseProgram
