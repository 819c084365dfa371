"""Adds up the GoogleTest XML reports of one ctest run (the ctest filters of
that run, such as -R NAME, follow the two folders on the command line).

An executable that ran but left no report (it crashed or hung) counts as one
failure, so a dead test binary can never pass silently. Prints the closing
line 'N passed, N failed' and exits 1 when anything failed.
"""
import json
import os
import subprocess
import sys
import xml.etree.ElementTree as ElementTree


def registered_tests(build, ctest_filters):
    listing = subprocess.run(["ctest", "--show-only=json-v1", *ctest_filters], cwd=build,
                             capture_output=True, text=True, check=True).stdout
    return sorted(test["name"] for test in json.loads(listing)["tests"])


def main(build, reports, ctest_filters):
    passed = failed = 0
    for name in registered_tests(build, ctest_filters):
        report = os.path.join(reports, name + ".xml")
        try:
            root = ElementTree.parse(report).getroot()
        except (OSError, ElementTree.ParseError):
            print(f"{name}: no test report (crashed or timed out)", file=sys.stderr)
            failed += 1
            continue
        for case in root.iter("testcase"):
            if case.get("status") == "notrun" or case.get("result") == "skipped":
                continue
            if case.find("failure") is not None or case.find("error") is not None:
                failed += 1
            else:
                passed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed or passed == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
