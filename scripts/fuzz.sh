#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer; replays every kept input once (fuzz/corpus/<target>, the
# inputs past campaigns grew, and fuzz/seeds/<target>); then fuzzes each target for a
# bounded time. Any crash or sanitizer report fails the run.
# Usage: fuzz.sh [seconds per target, default 15]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-15}"
dir="$root/build-fuzz"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLORY_FUZZ=ON -DQUILLORY_TESTS=OFF -DQUILLORY_BENCH=OFF -DQUILLORY_WERROR=ON > /dev/null
mapfile -t fuzzers < <(grep -v '^$' "$dir/fuzzers.txt")
cmake --build "$dir" --target "${fuzzers[@]}"

replayed=0
for fuzzer in "${fuzzers[@]}"; do
    target="$dir/fuzz/$fuzzer"
    kept=()
    for folder in "$root/fuzz/corpus/$fuzzer" "$root/fuzz/seeds/$fuzzer"; do
        [[ -d "$folder" ]] && kept+=("$folder")
    done
    inputs=()
    [[ ${#kept[@]} -gt 0 ]] && mapfile -t inputs < <(find "${kept[@]}" -type f | sort)
    echo "== $fuzzer: ${#inputs[@]} kept inputs once, then ${seconds}s"
    if [[ ${#inputs[@]} -gt 0 ]]; then
        log="$dir/replay-$fuzzer.log"
        (cd "$dir" && "$target" -rss_limit_mb=2048 "${inputs[@]}" > "$log" 2>&1) || {
            tail -n 60 "$log"
            exit 1
        }
        replayed=$((replayed + ${#inputs[@]}))
    fi
    work="$dir/corpus/$fuzzer"
    mkdir -p "$work"
    log="$dir/fuzz-$fuzzer.log"
    (cd "$dir" && "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        "$work" "${kept[@]}" > "$log" 2>&1) || {
        tail -n 60 "$log"
        exit 1
    }
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log"
done
echo "fuzzing: $replayed kept inputs replayed, no crash"
