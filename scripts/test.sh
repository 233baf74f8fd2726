#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DQB_BUILD_TESTS=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
