#!/usr/bin/env bash
# Builds the layers without widgets (core/, platform/, storage/, tools/) with the address and
# undefined-behaviour sanitizers into build-asan/ and runs their tests; then the book file tests
# (where big streams are read by two threads) with the thread sanitizer in build-tsan/.
# Not part of .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQB_SANITIZE=ON -DQB_BUILD_GUI=OFF >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j2

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQB_SANITIZE_THREAD=ON -DQB_BUILD_GUI=OFF >/dev/null
cmake --build build-tsan --target storage_tests
TSAN_OPTIONS=halt_on_error=1 build-tsan/storage/tests/storage_tests
