#!/usr/bin/env bash
# Large and hostile glossary files against the real program: for each, the
# time from start to its window or its message, and the peak memory, with
# the file in the system's file cache (each run is done once before it is
# measured). The goal: any file up to 1 GB in under a second, with a peak of
# at most the file's size plus 64 MB.
# Usage: bench/bigfiles.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/bin/woordorakelaar" "$work/"
wod="$work/woordorakelaar.wod"
GiB=$((1024 * 1024 * 1024))
header='";woordorakelaar databestand, verander niets aan de indeling a.u.b."'

"$build/bench/bench_search" --write-glossary "$work/groot.wod" > /dev/null

blanks() { head -c "$1" /dev/zero | tr '\0' ' '; }

make_file() {
    rm -f "$wod"
    case $1 in
    largest) cp "$work/groot.wod" "$wod" ;;
    blanks) blanks "$GiB" > "$wod" ;;
    sparse) blanks 65536 > "$wod"; truncate -s "$GiB" "$wod" ;;
    long-text) { printf '%s\r\n1,1\r\n"09/12/2026"\r\n' "$header"; head -c "$GiB" /dev/zero | tr '\0' 'a'; } > "$wod" ;;
    trailing) { cat "$work/groot.wod"; head -c "$GiB" /dev/zero | tr '\0' 'x'; } > "$wod" ;;
    blanks-between) { printf '%s\r\n' "$header"; blanks "$GiB"; tail -c +71 "$work/groot.wod"; } > "$wod" ;;
    sparse-100g) printf '%s\r\n' "$header" > "$wod"; truncate -s $((100 * GiB)) "$wod" ;;
    esac
}

run() {
    env -i PATH="$PATH" HOME="$work" QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
        XDG_RUNTIME_DIR="$work/runtime" WOORDORAKELAAR_BENCH_QUIT_WHEN_SHOWN=1 \
        /usr/bin/time -f '%e %M' -o "$work/time" "$work/woordorakelaar" > "$work/out" 2>/dev/null
}

printf '%-16s %12s %9s %9s  %s\n' file "size (MB)" "time (s)" "peak (MB)" outcome
for kind in largest blanks sparse long-text trailing blanks-between sparse-100g; do
    make_file "$kind"
    size=$(stat -c %s "$wod")
    run
    run
    read -r seconds kib < "$work/time"
    if grep -q '^melding: ' "$work/out"; then
        # The message's first line that is not the glossary's path.
        outcome=$(tr -d '\r' < "$work/out" | sed 's/^melding: //' | grep -v 'woordorakelaar\.wod$' | grep -v '^$' | head -1 | cut -c1-48)
    else
        outcome=venster
    fi
    printf '%-16s %12d %9s %9d  %s\n' "$kind" $((size / 1000000)) "$seconds" $((kib / 1024)) "$outcome"
done
