#!/usr/bin/env bash
# Builds the benchmarks in release mode, writes the benchmark files into a temporary folder, runs
# every benchmark once on them and prints one table of figures and ratios. Not part of the tests:
# it takes a few minutes, and its figures mean something only on a quiet machine.
set -euo pipefail
cd "$(dirname "$0")/.."

# Google Benchmark, and the tools the figures are compared with: Pillow and imagesize for the
# system's Python, ImageMagick's identify.
tools/install-deps.sh libbenchmark-dev python3-pil python3-imagesize imagemagick xvfb xauth

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPICTAVO_BENCH=ON
cmake --build build/bench --target bench_files inspection_bench drop_bench empty_window startup_probe pictavo

files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
build/bench/bench/bench_files "$files"
# Start-up is timed on a private X server, so that both programs meet the same display.
xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 bench/report.py build/bench "$files"
