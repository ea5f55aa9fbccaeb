#!/usr/bin/env bash
# mime_test.sh MIME_XML DESKTOP_ENTRY: the type definition builds a MIME database in which .d2v
# files have the type, and the desktop entry offers to open that same type.
set -euo pipefail
mime_xml=$1
desktop=$2
if ! command -v update-mime-database >/dev/null; then
  echo "update-mime-database is not installed: skipped"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp "$mime_xml" "$tmp/mime/packages/quillbit.xml"
# The database's own checks only warn; a broken file leaves the type out of the database.
XDG_DATA_HOME=$tmp update-mime-database "$tmp/mime" 2>&1 | tee "$tmp/log"
if [ -s "$tmp/log" ]; then
  echo "update-mime-database complained about $mime_xml" >&2
  exit 1
fi
type=$(sed -n 's/^[0-9]*:\([^:]*\):\*\.d2v$/\1/p' "$tmp/mime/globs2")
if [ -z "$type" ]; then
  echo "no type for *.d2v in the database made from $mime_xml" >&2
  exit 1
fi
if ! grep -qx "MimeType=\(.*;\)\?$type;.*" "$desktop"; then
  echo "$desktop does not open $type" >&2
  exit 1
fi
echo "*.d2v is $type, opened by $(basename "$desktop")"
