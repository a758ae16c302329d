#!/usr/bin/env bash
# Builds the skinned controls' benchmark without sanitizers (build/bench) and runs it.
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
cmake -S "$root" -B "$root/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/bench" --target skin_bench -j2 >/dev/null
TORVANE_SOURCE_DIR="$root" "$root/build/bench/tests/bench/skin/skin_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
