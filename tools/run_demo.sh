#!/bin/bash
# Builds the demo and runs it on the shipped sample mask.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target alpha_test_demo
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: alpha_test_demo needs an X server (set DISPLAY, or run it under xvfb-run)." >&2
    exit 1
fi
cd sample && exec ../build/alpha_test_demo
