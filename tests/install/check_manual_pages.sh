#!/usr/bin/env bash
# check_manual_pages.sh BATCH MANDIR: every option that `veltora-batch --help` lists is documented
# in veltora-batch(1), English, Russian and Ukrainian, and every page formats without a warning.
set -uo pipefail
batch=$1 mandir=$2
. "$(dirname "$0")/common.sh"
command -v groff >/dev/null || fail "groff is not installed (scripts/install-deps installs it)"

options=$("$batch" --help | grep -oE '^ +(--[a-z][a-z-]*|-[a-z])' | tr -d ' ' | sort -u)
[ -n "$options" ] || fail "no option found in veltora-batch --help"
# Each page writes every hyphen of an option as \- (\-\-shift\-home).
for page in "$mandir/veltora-batch.1" "$mandir/ru/veltora-batch.1" "$mandir/uk/veltora-batch.1"; do
    page_options=$(sed 's/\\-/-/g' "$page" | grep -oE -- '--?[a-z][a-z-]*' | sort -u)
    missing=$(comm -23 <(printf '%s\n' "$options") <(printf '%s\n' "$page_options"))
    [ -z "$missing" ] || fail "$page does not document: $(echo $missing)"
done

for page in veltora.1 veltora-batch.1 ru/veltora.1 ru/veltora-batch.1 uk/veltora-batch.1; do
    warnings=$(LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z "$mandir/$page" 2>&1)
    [ -z "$warnings" ] || fail "$page: $warnings"
    name=$(basename "$page" .1)
    grep -q "^\.TH $name 1 " "$mandir/$page" || fail "$page has no .TH line for section 1"
done
echo "manual pages: ok ($(echo $options))"
