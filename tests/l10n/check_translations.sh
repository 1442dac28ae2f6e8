#!/bin/bash
# Every translation is complete and in step with the sources: lupdate over
# the sources leaves each .ts file as it is (no text added, changed or gone
# without the file following), and lrelease finds no text unfinished or
# untranslated.
#
# Usage: check_translations.sh LUPDATE LRELEASE SOURCE_DIR TS_FILE...
set -u

lupdate=${1:?lupdate}
lrelease=${2:?lrelease}
source_dir=${3:?source directory}
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

for ts in "$@"; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    # The options of the update_translations target (ui/CMakeLists.txt).
    "$lupdate" -silent -no-obsolete -locations none "$source_dir/ui" "$source_dir/shell" \
        -ts "$work/$name"
    if ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL: $name is not in step with the sources; build the target" \
            "update_translations and translate what is new:"
        diff "$ts" "$work/$name" | head -40
        failures=$((failures + 1))
    fi
    report=$("$lrelease" "$work/$name" -qm "$work/${name%.ts}.qm" 2>&1)
    echo "$name: $report"
    if ! grep -q "finished and 0 unfinished" <<<"$report" || grep -q "untranslated" <<<"$report"; then
        echo "FAIL: $name has unfinished or untranslated texts"
        failures=$((failures + 1))
    fi
done

[ "$failures" -eq 0 ] && echo "translations complete: $#" || exit 1
