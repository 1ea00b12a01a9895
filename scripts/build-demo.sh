#!/usr/bin/env bash
# Builds the client, the session server and the demo's tools as a new user gets them: the machine's default
# compiler, optimised with debug information, no tests. scripts/run-demo.sh calls it; CI calls it with
# ORVANE_WERROR=ON, so the default compiler's warnings fail the run as the sanitizer build's do.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF \
    -DORVANE_WERROR="${ORVANE_WERROR:-OFF}"
cmake --build build -j "$(nproc)"
