#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time.
# Usage: fuzz.sh [seconds per target, default 60]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
dir="$root/build-fuzz"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLORY_FUZZ=ON -DQUILLORY_TESTS=OFF -DQUILLORY_BENCH=OFF -DQUILLORY_WERROR=ON > /dev/null
cmake --build "$dir"

while read -r fuzzer; do
    [[ -z "$fuzzer" ]] && continue
    target="$(find "$dir/fuzz" -maxdepth 1 -type f -name "$fuzzer" -perm -u+x | head -n 1)"
    corpus="$dir/corpus/$fuzzer"
    seeds="$root/fuzz/seeds/$fuzzer"
    mkdir -p "$corpus"
    echo "== $fuzzer: ${seconds}s"
    args=("$corpus")
    [[ -d "$seeds" ]] && args+=("$seeds")
    (cd "$dir" && "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        "${args[@]}" 2>&1 | tail -n 15)
done < "$dir/fuzzers.txt"
echo "fuzzing: no crash"
