#!/usr/bin/env bash
# Times `areamkr --list`, `--check` and `--rewrite` as whole processes on generated pages of
# about 1, 10, 20 and 100 MB (20 areas per map, no pictures), with a Release build in
# build-release/, and prints the README's table: the best of five runs, and the peak
# memory (maximum resident set) of the largest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-release"
work=$(mktemp -d /tmp/areamaker-measure-XXXXXX)
trap 'rm -rf "$work"' EXIT

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DAREAMAKER_BUILD_TESTS=OFF \
    >/dev/null
cmake --build "$build" --target areamkr areapage >/dev/null
program="$build/src/app/areamkr"

# One run: "SECONDS KILOBYTES" of the command, its output thrown away. The clock is read
# around it in nanoseconds (time's own %e has hundredths only); the peak is time's %M.
run() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$work/time" "$@" >/dev/null || true
    end=$(date +%s%N)
    echo "$(awk "BEGIN{printf \"%.3f\", ($end - $start) / 1e9}") $(tail -1 "$work/time")"
}

# The best time and the largest peak of five runs; `prepare` runs before each.
measure() {
    local prepare=$1
    shift
    local best="" peak=0
    for _ in 1 2 3 4 5; do
        $prepare
        read -r seconds kilobytes < <(run "$@")
        if [ -z "$best" ] || awk "BEGIN{exit !($seconds < $best)}"; then best=$seconds; fi
        if [ "$kilobytes" -gt "$peak" ]; then peak=$kilobytes; fi
    done
    echo "$best $peak"
}

echo "| Page | --list | --check | --rewrite | Peak memory (list / check / rewrite) |"
echo "|---|---|---|---|---|"
for maps in 250 2500 5000 25000; do
    page="$work/page-$maps.htm"
    "$build/bench/areapage" "$maps" "$page"
    cp "$page" "$work/copy.htm"
    # The copy is flushed before each run: cutting the old copy short frees its blocks, and
    # the disk work of that would otherwise fall to the command's own sync.
    restore() { cp "$work/page-$maps.htm" "$work/copy.htm" && sync "$work/copy.htm"; }
    nothing() { :; }
    read -r listTime listPeak < <(measure nothing "$program" --list "$page")
    read -r checkTime checkPeak < <(measure nothing "$program" --check "$page")
    read -r rewriteTime rewritePeak < <(measure restore "$program" --rewrite "$work/copy.htm")
    megabytes=$(awk "BEGIN{printf \"%.1f\", $(stat -c %s "$page") / 1e6}")
    echo "| $megabytes MB ($maps maps) | $listTime s | $checkTime s | $rewriteTime s |" \
        "$((listPeak / 1024)) / $((checkPeak / 1024)) / $((rewritePeak / 1024)) MB |"
done
