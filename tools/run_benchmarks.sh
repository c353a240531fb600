#!/bin/bash
# Builds and runs the benchmarks; each prints its figures and the ratio to a
# baseline measured in the same run. Starts its own Xvfb; takes a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target alpha_test_demo mask_loading_benchmark frame_benchmark minimal_window startup_benchmark
echo "== 1. mask loading"
build/bench/mask_loading_benchmark
echo "== 2. frame cost"
(cd sample && ../build/bench/frame_benchmark)
echo "== 3 and 4. start-up and memory"
build/bench/startup_benchmark build/alpha_test_demo build/bench/minimal_window sample 2>/dev/null
