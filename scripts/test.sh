#!/usr/bin/env bash
# scripts/test.sh - installs what is missing, builds with the sanitizers and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug
