#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine, builds and starts the program on the example book.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
data_home="${XDG_DATA_HOME:-$HOME/.local/share}"
book="${QB_EXAMPLE_BOOK:-$data_home/QuimbelBooks/Books/Example Files/Example.qbk}"
if [ ! -f "$book" ] && [ -x build/tools/qbtool ]; then
  mkdir -p "$(dirname "$book")"
  build/tools/qbtool example "$book"
fi
if [ ! -x build/app/QuimbelBooks ]; then
  echo "The program is not built yet; the core library and its tests are."
  exit 1
fi
if [ -f "$book" ]; then
  exec build/app/QuimbelBooks "$book"
fi
echo "No example book (qbtool is not built yet); starting without one."
exec build/app/QuimbelBooks "$@"
