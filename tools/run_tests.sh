#!/bin/bash
# Installs what the tests need where it is missing, builds and runs them all.
# The real-program tests start their own Xvfb; no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=()
for pair in Xvfb:xvfb xdotool:xdotool apitrace:apitrace xwininfo:x11-utils valgrind:valgrind clang++-14:clang-14; do
    command -v "${pair%%:*}" >/dev/null || packages+=("${pair#*:}")
done
[ -f /usr/include/X11/Xlib.h ] || packages+=(libx11-dev)
[ -f /usr/include/GL/glut.h ] || packages+=(freeglut3-dev)
[ -d /usr/src/googletest ] || [ -f /usr/include/gtest/gtest.h ] || packages+=(libgtest-dev)
[ -f /usr/include/benchmark/benchmark.h ] || packages+=(libbenchmark-dev)
if [ ${#packages[@]} -gt 0 ]; then
    echo "installing: ${packages[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${packages[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure
