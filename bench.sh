#!/usr/bin/env bash
# Builds and runs the benchmarks: the sampling, one recompute and redraw, one
# arrow click through the real window (offscreen), then the start-up time and
# peak memory of build/wingmap under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
wingmap_install_missing
wingmap_build build >/dev/null

echo "== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
build/bench/wingmap_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2> >(grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR >&2) | grep -E '^(Benchmark|-|BM_.*_median)'
echo "== Start-up under Xvfb"
xvfb-run -a -s "-screen 0 800x480x24" build/tests/ui/window_on_screen build/wingmap --runs 11 \
    2> >(grep -v XDG_RUNTIME_DIR >&2)
