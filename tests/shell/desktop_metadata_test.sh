#!/usr/bin/env bash
# Validates the desktop entry and the AppStream file; exits 77 (skipped) with a
# message when a validator is not installed.
#   desktop_metadata_test.sh DESKTOP_FILE METAINFO_FILE
set -u
missing=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$1" || { echo "FAIL: desktop-file-validate $1" >&2; exit 1; }
else
  missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$2" || { echo "FAIL: appstreamcli validate $2" >&2; exit 1; }
else
  missing+=(appstreamcli)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED: not installed: ${missing[*]} (scripts/install-deps installs them)"
  exit 77
fi
