#!/usr/bin/env bash
# Every text of the program that goes through tr() has a German translation:
# the texts lupdate finds in ui/ and app/ today, merged into a copy of the
# German file, leave nothing unfinished. Usage: check_translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$source/ui/translations/wingmap_de.ts" "$work/wingmap_de.ts"
"$lupdate" -silent -no-obsolete -locations none -I "$source" "$source/ui" "$source/app" -ts "$work/wingmap_de.ts"
untranslated=$(grep -c 'type="unfinished"' "$work/wingmap_de.ts" || true)
if [ "$untranslated" -ne 0 ]; then
    echo "FAIL: $untranslated texts have no German translation:"
    grep -B3 'type="unfinished"' "$work/wingmap_de.ts" | grep '<source>'
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
