#!/usr/bin/env bash
# validate.sh TOOL ARGS...: runs a validator (installed by scripts/install-deps); it fails on an
# error, and on a warning too (desktop-file-validate and appstreamcli exit 0 after some warnings).
set -uo pipefail
command -v "$1" >/dev/null || { echo "FAIL: $1 is not installed (scripts/install-deps installs it)" >&2; exit 1; }
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
[ $status -eq 0 ] || { echo "FAIL: $1 exited with $status" >&2; exit 1; }
if grep -Eq '^(W|E): |: (warning|error): ' <<<"$output"; then
    echo "FAIL: $1 reported warnings" >&2
    exit 1
fi
