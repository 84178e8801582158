#!/usr/bin/env bash
# The search side by side with grep, in one run: the program's search for a
# text, and `grep -c -i -F` for the same text over the same glossary written
# out as UTF-8 text, medians of RUNS runs each and their ratio. Two cases:
#  - common: a text found nowhere in the largest glossary (every term and
#    description scanned);
#  - runs: "x" and 16383 times "d", in 100 descriptions of 32767 times "d",
#    the hardest text for a search that compares from the pattern's end.
# Usage: bench/search_vs_grep.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
runs=${RUNS:-21}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# case name, glossary option, benchmark name, text
compare() {
    local name=$1 option=$2 benchmark=$3 text=$4
    "$build/bench/bench_search" "$option" "$work/$name.wod"
    "$build/bin/wodtool" unpack "$work/$name.wod" -o "$work/$name.txt"
    printf '%s' "$text" > "$work/$name.pattern"
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        grep -c -i -F -f "$work/$name.pattern" "$work/$name.txt" > /dev/null || true
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 ))
    done | median > "$work/grep.us"
    "$build/bench/bench_search" --benchmark_filter="^$benchmark\$" --benchmark_repetitions="$runs" \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2> /dev/null \
        | awk -F, '/_median"/ { printf "%d\n", $3 * 1000 }' > "$work/search.us"
    local grep_us search_us
    grep_us=$(cat "$work/grep.us")
    search_us=$(cat "$work/search.us")
    echo "$name: $(head -c 40 "$work/$name.pattern")$([ ${#text} -gt 40 ] && echo "... (${#text} characters)")"
    echo "  program's search, median of $runs: $(awk -v u="$search_us" 'BEGIN { printf "%.2f ms", u / 1000 }')"
    echo "  grep -c -i -F, median of $runs:    $(awk -v u="$grep_us" 'BEGIN { printf "%.2f ms", u / 1000 }')"
    echo "  ratio search / grep:              $(awk -v s="$search_us" -v g="$grep_us" 'BEGIN { printf "%.2f", s / g }')"
}

compare common --write-glossary SearchNowhere zwaluwstaart
compare runs --write-runs-glossary SearchRunOfOneLetter "x$(printf 'd%.0s' $(seq 16383))"
