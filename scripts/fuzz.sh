#!/usr/bin/env bash
# Fuzzes reading, listing, rewriting and re-reading pages for the given number of seconds
# (default 60), starting from the seed pages in tests/corpus. The random seed (default 1)
# is fixed so that a run can be repeated exactly; give another one to explore further.
# A finding is written to build-fuzz/findings/ and makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
seed=${2:-1}
"$root/scripts/install-deps.sh"
cmake -S "$root/tests/fuzz" -B "$root/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$root/build-fuzz" -j "$(nproc)"
work="$root/build-fuzz/corpus"
findings="$root/build-fuzz/findings"
mkdir -p "$work" "$findings"
"$root/build-fuzz/maproundtripfuzzer" -max_total_time="$seconds" -seed="$seed" -max_len=8192 \
  -print_final_stats=1 \
  -artifact_prefix="$findings/" "$work" "$root/tests/corpus" 2>&1 |
  { grep -a -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)' || true; }
