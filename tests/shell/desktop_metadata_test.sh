#!/usr/bin/env bash
# Validates the desktop entry and the AppStream file; exits 77 (skipped) with a
# message when a validator is not installed.
#   desktop_metadata_test.sh DESKTOP_FILE METAINFO_FILE
set -u
for tool in desktop-file-validate appstreamcli; do
  command -v $tool >/dev/null || missing="${missing:-} $tool"
done
! command -v desktop-file-validate >/dev/null || desktop-file-validate "$1" ||
  { echo "FAIL: desktop-file-validate $1" >&2; exit 1; }
! command -v appstreamcli >/dev/null || appstreamcli validate --no-net "$2" ||
  { echo "FAIL: appstreamcli validate $2" >&2; exit 1; }
[ -z "${missing:-}" ] ||
  { echo "SKIPPED: not installed:$missing (scripts/install-deps installs them)"; exit 77; }
