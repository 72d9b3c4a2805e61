#!/usr/bin/env bash
# A fuzz campaign outside CI: each fuzz target (built by fuzz.sh in build-fuzz/) runs
# for a number of executions, one target at a time at the lowest priority, starting
# from what fuzz/corpus and fuzz/seeds keep; the inputs that grew coverage are then
# minimised into fuzz/corpus/<target> (-merge=1), where CI replays them. Prints each
# target's executions, time and crashes; a crash stops the campaign with its input in
# build-fuzz/campaign/<target>/.
# Usage: fuzz-campaign.sh [executions per target, default 10000000] [target...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-10000000}"
shift || true
dir="$root/build-fuzz"
[[ -f "$dir/fuzzers.txt" ]] || { echo "build the fuzz targets first: scripts/fuzz.sh 1" >&2; exit 1; }
if [[ $# -gt 0 ]]; then fuzzers=("$@"); else mapfile -t fuzzers < <(grep -v '^$' "$dir/fuzzers.txt"); fi

for fuzzer in "${fuzzers[@]}"; do
    work="$dir/campaign/$fuzzer"
    kept="$root/fuzz/corpus/$fuzzer"
    mkdir -p "$work/corpus" "$kept"
    sources=("$kept")
    [[ -d "$root/fuzz/seeds/$fuzzer" ]] && sources+=("$root/fuzz/seeds/$fuzzer")
    start=$(date +%s)
    nice -n 19 "$dir/fuzz/$fuzzer" -runs="$runs" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/corpus" "${sources[@]}" > "$work/log.txt" 2>&1 || {
        tail -n 60 "$work/log.txt"
        exit 1
    }
    executed=$(grep -h '^stat::number_of_executed_units' "$work/log.txt" | awk '{print $2}')
    echo "$fuzzer: $executed executions in $(( $(date +%s) - start )) s, 0 crashes"
    # The kept inputs and the new ones, minimised together into the kept folder.
    merged="$work/merged"
    rm -rf "$merged" && mkdir -p "$merged"
    nice -n 19 "$dir/fuzz/$fuzzer" -merge=1 -max_len=524288 "$merged" "$kept" "$work/corpus" \
        > "$work/merge.txt" 2>&1
    rm -rf "$kept" && mv "$merged" "$kept"
    echo "$fuzzer: $(find "$kept" -type f | wc -l) inputs kept ($(du -sh "$kept" | cut -f1))"
done
