# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Shared by the shell tests here and in debian/tests: named checks, a scratch folder and the
# processes to end at exit. Sourced; sets $work. The test ends with `finish`.
work=$(mktemp -d)
passed=0
failed=0
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

check() {  # check NAME COMMAND...: one named assertion
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $name" >&2
  fi
}

wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds, at most that long
  local limit=$1
  shift
  for ((i = 0; i < limit * 10; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

expect() {  # expect DESCRIPTION COMMAND...: inside a test function, says what failed
  local what=$1
  shift
  "$@" && return 0
  echo "    expected: $what" >&2
  return 1
}

run_tests() {  # run_tests FUNCTION...: each function one named check, then `finish`
  local test
  for test in "$@"; do check "$test" "$test"; done
  finish
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" = 0 ]
}
