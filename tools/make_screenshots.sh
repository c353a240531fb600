#!/bin/bash
# Remakes the pictures in docs/ from the demo itself, headless, on the
# shipped sample mask. Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target capture_demo make_sample_mask >/dev/null
capture() {
    local name=$1
    shift
    build/tests/capture_demo "build/$name.ppm" sample/alpha.ppm "$@"
    /usr/bin/convert "build/$name.ppm" "docs/$name.png"
}
capture screenshot
capture threshold_0.25 $(printf 'y %.0s' {1..10})
capture threshold_0.75 $(printf 'x %.0s' {1..10})
capture alpha_test_off a
