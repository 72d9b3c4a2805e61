#!/usr/bin/env bash
# Configures and builds the project. Usage: build.sh [--sanitize | --thread]
#   (default) build/       warnings as errors
#   --sanitize build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer
#   --thread   build-tsan/ with ThreadSanitizer
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

dir="$root/build"
flags=(-DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${1:-}" == "--sanitize" ]]; then
    dir="$root/build-asan"
    flags=(-DQUILLORY_WERROR=ON -DQUILLORY_SANITIZE=ON -DQUILLORY_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
elif [[ "${1:-}" == "--thread" ]]; then
    dir="$root/build-tsan"
    flags=(-DQUILLORY_WERROR=ON -DQUILLORY_TSAN=ON -DQUILLORY_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

if [[ "$dir" != "$root/build" ]]; then
    # The content generator runs at build time only: sanitizer builds use the plain
    # build's, so it is built once and never runs instrumented.
    cmake -S "$root" -B "$root/build" -G Ninja -DQUILLORY_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
    cmake --build "$root/build" --target quillory_content_generator >&2
    flags+=(-DQUILLORY_CONTENT_GENERATOR="$root/build/content/quillory_content_generator")
fi

cmake -S "$root" -B "$dir" -G Ninja "${flags[@]}" >&2
cmake --build "$dir" >&2
echo "$dir"
