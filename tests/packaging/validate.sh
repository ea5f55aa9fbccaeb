#!/usr/bin/env bash
# validate.sh TOOL ARGUMENTS...: runs the validator; its errors and also its warnings fail,
# since both validators still exit with 0 on some warnings.
set -uo pipefail
if ! command -v "$1" >/dev/null; then
  echo "$1 is not installed: skipped"
  exit 77
fi
output=$("$@" 2>&1)
status=$?
[ -n "$output" ] && echo "$output"
[ "$status" -eq 0 ] || exit 1
if grep -Eqi '^(E|W): |error|warning' <<<"$output"; then
  exit 1
fi
