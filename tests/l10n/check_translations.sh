#!/bin/bash
# Every translation complete and in step with the sources: lupdate over the
# sources (with the update_translations target's options) leaves each .ts file
# as it is, and lrelease finds nothing unfinished or untranslated.
# Usage: check_translations.sh LUPDATE LRELEASE SOURCE_DIR "LUPDATE_OPTIONS" TS_FILE...
set -u
lupdate=$1 lrelease=$2 source_dir=$3
read -ra options <<<"$4"
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for ts in "$@"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent "${options[@]}" "$source_dir/engine" "$source_dir/ui" "$source_dir/shell" \
        -ts "$copy"
    if ! diff "$ts" "$copy"; then
        echo "FAIL: $ts is behind the sources: build update_translations, translate what is new"
        failures=$((failures + 1))
    fi
    report=$("$lrelease" "$copy" -qm "$copy.qm" 2>&1)
    echo "$report"
    if ! grep -q " 0 unfinished" <<<"$report" || grep -q untranslated <<<"$report"; then
        echo "FAIL: $ts has unfinished or untranslated texts"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ]
