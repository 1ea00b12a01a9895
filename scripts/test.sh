#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer, UBSan and warnings as errors (clang, so
# the fuzz targets build too), and runs every test. A test whose tool or service is missing fails here,
# naming it, instead of skipping (ORVANE_REQUIRE_ALL).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Line tables are all the sanitizers' reports need, and they keep compiling and linking fast.
build=build-test
cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DORVANE_SANITIZE=ON -DORVANE_WERROR=ON -DORVANE_FUZZ=ON
cmake --build "$build" -j "$(nproc)"

export ORVANE_REQUIRE_ALL=1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 600
