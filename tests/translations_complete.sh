#!/usr/bin/env bash
# Every shipped language translates every text the code marks: each .ts file, brought up to the
# code by lupdate in a scratch copy, holds no unfinished message.
#   translations_complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1 top=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mapfile -t sources < <(find "$top"/{app,board,core,media,progress,record,screens,widgets} \
    \( -name '*.cpp' -o -name '*.h' \))
failed=0
for ts in "$top"/i18n/quintarlow_*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -no-obsolete -locations none -I "$top" "${sources[@]}" -ts "$copy" >/dev/null 2>&1
    if unfinished=$(grep -B2 'type="unfinished"' "$copy" | grep -o '<source>.*</source>'); then
        echo "$(basename "$ts"): not translated:"
        echo "$unfinished"
        failed=1
    fi
done
exit $failed
