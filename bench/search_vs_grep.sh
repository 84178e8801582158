#!/usr/bin/env bash
# The search's worst case side by side with grep: the program's search for a
# text found nowhere in the largest glossary, and `grep -c -i -F` for the same
# text over the same glossary written out as UTF-8 text. Prints both medians
# and their ratio. Usage: bench/search_vs_grep.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
text=zwaluwstaart
runs=21
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/bench_search" --write-glossary "$work/groot.wod"
"$build/bin/wodtool" unpack "$work/groot.wod" -o "$work/groot.txt"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    grep -c -i -F "$text" "$work/groot.txt" > /dev/null || true
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
done | median > "$work/grep.us"

"$build/bench/bench_search" --benchmark_filter='^SearchNowhere$' --benchmark_repetitions="$runs" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2> /dev/null \
    | awk -F, '/_median"/ { printf "%d\n", $3 * 1000 }' > "$work/search.us"

grep_us=$(cat "$work/grep.us")
search_us=$(cat "$work/search.us")
echo "text searched for, found nowhere: $text"
echo "program's search, median of $runs: $(awk -v u="$search_us" 'BEGIN { printf "%.2f ms", u / 1000 }')"
echo "grep -c -i -F, median of $runs:    $(awk -v u="$grep_us" 'BEGIN { printf "%.2f ms", u / 1000 }')"
echo "ratio search / grep:              $(awk -v s="$search_us" -v g="$grep_us" 'BEGIN { printf "%.2f", s / g }')"
