#!/usr/bin/env bash
# Configures and builds the project. Usage: build.sh [--sanitize]
#   (default) build/       warnings as errors
#   --sanitize build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

dir="$root/build"
flags=(-DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
    dir="$root/build-asan"
    flags=(-DQUILLORY_WERROR=ON -DQUILLORY_SANITIZE=ON -DQUILLORY_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi

cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >&2
cmake --build "$dir" >&2
echo "$dir"
