#!/usr/bin/env bash
# Collects the program's texts into translations/volvenza_en.ts with lupdate.
#
#   bash scripts/translations.sh           update the catalogue in place: new
#                                          texts appear as unfinished entries
#                                          to translate, vanished ones go
#   bash scripts/translations.sh --check   leave the catalogue alone; fail,
#                                          listing them, when a text of the
#                                          sources has no finished English
#
# Exit status 77 when lupdate is missing (the test reports it as skipped).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ts="$root/translations/volvenza_en.ts"
folders=(messages engine documents entry views report shell platform analysis sizing tools/volvenza-sim web)

lupdate=""
for candidate in lupdate lupdate-qt6 /usr/lib/qt6/bin/lupdate; do
    if command -v "$candidate" >/dev/null 2>&1; then lupdate="$(command -v "$candidate")"; break; fi
done
if [ -z "$lupdate" ]; then
    echo "lupdate not found: install qt6-l10n-tools (bash scripts/deps.sh)" >&2
    exit 77
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

sources=()
for folder in "${folders[@]}"; do
    [ -d "$root/$folder" ] && sources+=("$root/$folder")
done

run_lupdate() {
    "$lupdate" -silent -I "$root" -locations none -no-obsolete -source-language it_IT \
        -target-language en_US -tr-function-alias QT_TRANSLATE_NOOP+=SIM_TEXT,QT_TRANSLATE_NOOP+=PAGE_TEXT \
        -extensions cpp,h "${sources[@]}" -ts "$1"
}

if [ "${1:-}" != "--check" ]; then
    run_lupdate "$ts"
    exit 0
fi

work="$scratch/check"
mkdir -p "$work"
cp "$ts" "$work/volvenza_en.ts"
run_lupdate "$work/volvenza_en.ts"
# Every message of the refreshed copy must carry a finished translation.
python3 - "$work/volvenza_en.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET

missing = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = context.findtext("name")
    for message in context.iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("unfinished", "vanished", "obsolete") or not (translation.text or "").strip():
            if kind in ("vanished", "obsolete"):
                continue
            missing.append(f"{name}: {message.findtext('source')!r}")
if missing:
    print(f"{len(missing)} text(s) without English in translations/volvenza_en.ts:")
    print("\n".join(missing))
    print("Run: bash scripts/translations.sh, then translate the unfinished entries.")
    sys.exit(1)
print("Every text of the program has its English.")
PY
