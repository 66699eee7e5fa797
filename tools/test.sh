#!/usr/bin/env bash
# Builds everything and runs every test under Wine (and Xvfb) in a throw-away prefix.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/build.sh"
cd "$top/build"
# Two at a time: the scenarios have prefixes of their own (see tests/CMakeLists.txt).
ctest --output-on-failure -j2 "$@"
