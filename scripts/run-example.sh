#!/usr/bin/env bash
# Builds the program and runs it on the bundled example page.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
"$root/build/src/app/areamkr" --list "$root/examples/demo/index.htm"
