#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and starts the program on the example book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
# The example book: a few years of a small business, made once by qbtool.
EXAMPLE=build/example.qbk
if [ ! -f "$EXAMPLE" ] && [ -x build/tools/qbtool ]; then
  build/tools/qbtool example "$EXAMPLE" --transactions 3000 --books 3 --seed 1
fi
if [ -x build/app/QuimbelBooks ]; then
  if [ $# -eq 0 ] && [ -f "$EXAMPLE" ]; then
    exec build/app/QuimbelBooks "$EXAMPLE"
  fi
  exec build/app/QuimbelBooks "$@"
fi
echo "The program is not built yet; the core library and its tests are."
if [ -f "$EXAMPLE" ]; then
  echo "Example book: $EXAMPLE (see: build/tools/qbtool info $EXAMPLE)"
fi
