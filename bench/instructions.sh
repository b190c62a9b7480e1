#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Counts instructions with callgrind and prints them as a Markdown table: the same on a busy machine as on a
# quiet one, so they show what a change did where the timings are too noisy to. Start-up counts from exec to
# the first window painted (the probe ends the program there), each program against the captioned baseline,
# with the parts that tell them apart; showing again counts only inside CountedShowings.
# Run by scripts/bench.sh under the X server and session bus it starts.
# Usage: bench/instructions.sh BUILD_DIR SHOWINGS
set -euo pipefail
build=$1
showings=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

callgrind() {
    local out=$1
    shift
    valgrind --tool=callgrind --callgrind-out-file="$work/$out" "$@" >/dev/null 2>&1
}

# Instructions of the whole run, or of the first function whose name begins with $2 and all it calls.
count() {
    local name=${2:-PROGRAM TOTALS}
    callgrind_annotate --inclusive=yes --threshold=100 --auto=no "$work/$1" |
        awk -v name="$name" 'index($0, name == "PROGRAM TOTALS" ? name : ":" name) {
            gsub(",", "", $1); print $1; found = 1; exit } END { if (!found) print 0 }'
}

row() {
    awk -v what="$1" -v ours="$2" -v base="$3" 'BEGIN {
        ratio = base > 0 ? sprintf("%.2f", ours / base) : "—"
        printf "| %s | %.1f M | %.1f M | %s |\n", what, ours / 1e6, base / 1e6, ratio }'
}

# A part of the start-up, named by the function that does it, in both programs.
part() {
    row "of which: $1" "$(count program "$2")" "$(count captioned "$2")"
}

LD_PRELOAD="$build/bench/libaoba_shown_probe.so" callgrind program "$build/src/app/aoba-search"
LD_PRELOAD="$build/bench/libaoba_shown_probe.so" callgrind captioned "$build/bench/aoba-bench-bare" captioned
for kind in ours baseline; do
    callgrind "again-$kind" --toggle-collect='*CountedShowings*' "$build/bench/aoba-bench" --count-again "$kind" \
        "$showings"
done

echo "Instructions counted by callgrind, the same however busy the machine is (M = million):"
echo
echo "| measure | aoba-search | baseline | ratio |"
echo "|---|---:|---:|---:|"
row "start-up, exec to the main window painted" "$(count program)" "$(count captioned)"
part "the font database: fontconfig's set-up, the list of fonts" "QFontconfigDatabase::populateFontDatabase("
part "fallback searches for a font family that is not installed" "QFontconfigDatabase::fallbacksForFamily("
part "the window icon: finding the image formats, decoding 3 pictures" "QIcon::addFile("
part "the lookup picture's lettering made into shapes, loading the search button's font on the way" \
    "QPainterPath::addText("
row "search to the results window shown again, $showings showings (20 hits)" "$(count again-ours)" \
    "$(count again-baseline)"
