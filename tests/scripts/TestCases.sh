# What the bash tests of the commands share: the commands' own steps
# (scripts/setup.sh), named cases whose checks record what failed, waits for a
# state, and a report in GoogleTest's XML form that scripts/test adds up with
# the others. Sourced, not run.
#
#     tw_case started_alone
#     tw_expect "the server is down" tw_wait_until server_down
#     tw_case_done
#     tw_write_report "$report" WineServer   # exits 1 when a case failed
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/setup.sh"

TW_CASE_NAMES=()
TW_CASE_FAILURES=()
TW_CASE=""
TW_CASE_FAILURE=""

tw_case() {
  TW_CASE=$1
  TW_CASE_FAILURE=""
}

# Runs the check (a command and its arguments); when it fails, the case fails
# with the words that say what was expected.
tw_expect() {
  local expected=$1
  shift
  "$@" || TW_CASE_FAILURE+="expected: $expected. "
}

tw_case_done() {
  TW_CASE_NAMES+=("$TW_CASE")
  TW_CASE_FAILURES+=("$TW_CASE_FAILURE")
  if [ -z "$TW_CASE_FAILURE" ]; then
    echo "[       OK ] $TW_CASE"
  else
    echo "[  FAILED  ] $TW_CASE: $TW_CASE_FAILURE"
  fi
}

# Checks the condition (a command and its arguments) until it holds. The
# two-minute bound only keeps a hung case from hanging the run.
tw_wait_until() {
  tw_wait_for 120 "$@"
}

tw_xml_text() {
  local text=${1//&/&amp;}
  text=${text//</&lt;}
  text=${text//>/&gt;}
  echo "${text//\"/&quot;}"
}

# Writes the cases as one suite and exits: 0 when every case passed.
tw_write_report() {
  local report=$1 suite=$2 index failures=0
  for index in "${!TW_CASE_NAMES[@]}"; do
    [ -z "${TW_CASE_FAILURES[$index]}" ] || failures=$((failures + 1))
  done
  {
    echo '<?xml version="1.0" encoding="UTF-8"?>'
    echo "<testsuites tests=\"${#TW_CASE_NAMES[@]}\" failures=\"$failures\" name=\"AllTests\">"
    echo "  <testsuite name=\"$suite\" tests=\"${#TW_CASE_NAMES[@]}\" failures=\"$failures\">"
    for index in "${!TW_CASE_NAMES[@]}"; do
      echo -n "    <testcase name=\"${TW_CASE_NAMES[$index]}\" status=\"run\" classname=\"$suite\""
      if [ -z "${TW_CASE_FAILURES[$index]}" ]; then
        echo " />"
      else
        echo "><failure message=\"$(tw_xml_text "${TW_CASE_FAILURES[$index]}")\" /></testcase>"
      fi
    done
    echo "  </testsuite>"
    echo "</testsuites>"
  } >"$report"
  echo "${#TW_CASE_NAMES[@]} cases, $failures failed"
  [ $failures = 0 ] && exit 0
  exit 1
}
