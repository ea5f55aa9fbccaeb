#!/usr/bin/env bash
# lintian_test.sh CPACK BUILD_DIR: makes the Debian package from the build tree into a folder of
# its own and fails on any error lintian finds in it; warnings are shown, not failed on.
set -euo pipefail
cpack=$1
build=$2
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed: skipped"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
  cat "$tmp/cpack.log" >&2
  exit 1
}
deb=$(find "$tmp" -maxdepth 1 -name '*.deb')
echo "$(basename "$deb")"
status=0
output=$(lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || status=$?
grep -v 'running with root privileges is not recommended' <<<"$output" || true
exit "$status"
