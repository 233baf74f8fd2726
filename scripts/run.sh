#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and starts the program on the example book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -x build/app/QuimbelBooks ]; then
  exec build/app/QuimbelBooks "$@"
fi
echo "The program is not built yet; the core library and its tests are."
