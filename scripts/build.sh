#!/usr/bin/env bash
# Configures and builds the whole project into build/ (warnings are errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAREAMAKER_WERROR=ON >/dev/null
cmake --build "$root/build" -j "$(nproc)"
