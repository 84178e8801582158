#!/usr/bin/env bash
# Runs the whole suite as `make test` runs it, RUNS times in a row (default 20),
# and counts the runs that failed; a test that fails only now and then shows
# up here. Each run's output goes to $LOGS/run-N.log (default build/repeat-logs).
# Usage: scripts/repeat-make-test.sh [RUNS]
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
logs=${LOGS:-build/repeat-logs}
mkdir -p "$logs"
failed=0
for i in $(seq "$runs"); do
    if make test > "$logs/run-$i.log" 2>&1; then
        echo "run $i: passed"
    else
        failed=$((failed + 1))
        echo "run $i: FAILED ($(grep -E '^\s+[0-9]+ - ' "$logs/run-$i.log" | tr -s ' ' | tr '\n' ';'))"
    fi
done
echo "$((runs - failed)) of $runs runs passed"
[ "$failed" -eq 0 ]
