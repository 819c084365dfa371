#!/usr/bin/env bash
# close_main_window.exe, with which scripts/run closes the program when it is
# stopped: it closes the main window of the program it names on the desktop it
# names, and nothing else. Wine's notepad on a virtual desktop of the shared X
# display (scripts/test's DISPLAY) stands for the program, in a wine prefix of
# the test's own: a virtual desktop made with "explorer /desktop" leaves its
# size to the server's default desktop, which the other tests' windows would
# then meet as their screen.
#
#     CloseMainWindowTest.sh CLOSE_MAIN_WINDOW_EXE WORK_FOLDER REPORT
set -u
. "$(dirname "$0")/TestCases.sh"
closer=$1
work=$2
report=$3

if [ -z "${DISPLAY:-}" ]; then
  tw_case needs_the_test_environment
  tw_expect "DISPLAY as scripts/test sets it" false
  tw_case_done
  tw_write_report "$report" CloseMainWindow
fi
TW_BUILD="$work"
TW_WINEPREFIX="$work/closewindow-wineprefix"
desktop=scripts-test
# The test ends what it started in its prefix: the server too when it started it.
trap tw_stop_wine EXIT
tw_start_wine >/dev/null 2>&1 || {
  tw_case prefix_ready
  tw_expect "the test's wine prefix is ready" false
  tw_case_done
  tw_write_report "$report" CloseMainWindow
}

notepad_runs() { tw_prefix_programs own | grep -q ' notepad\.exe$'; }
notepad_gone() { ! notepad_runs; }
notepad_window_shows() {
  xwininfo -root -tree 2>/dev/null | grep -q -- '- Notepad": ("notepad.exe"'
}
closer_answers() {
  local expected=$1
  shift
  wine "$closer" "$@" </dev/null >/dev/null 2>&1
  [ $? = "$expected" ]
}

wine explorer /desktop=$desktop,640x480 notepad.exe </dev/null >/dev/null 2>&1 &
tw_wait_until notepad_window_shows

# name, the desktop and the program the closer is given, its exit status, and
# whether notepad runs on. The last row closes notepad.
rows=(
  "other_program    $desktop         wordpad.exe  1  yes"
  "other_desktop    no-such-desktop  notepad.exe  1  yes"
  "named_program    $desktop         notepad.exe  0  no"
)
for row in "${rows[@]}"; do
  read -r name on_desktop program status runs_on <<<"$row"
  tw_case "$name"
  tw_expect "exit status $status" closer_answers "$status" "$on_desktop" "$program"
  if [ "$runs_on" = yes ]; then
    tw_expect "notepad runs on with its window" notepad_window_shows
  else
    tw_expect "notepad has ended" tw_wait_until notepad_gone
  fi
  tw_case_done
done

tw_write_report "$report" CloseMainWindow
