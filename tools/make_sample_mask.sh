#!/bin/bash
# Remakes sample/alpha.ppm with the project's own generator.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target make_sample_mask >/dev/null
build/make_sample_mask sample/alpha.ppm
