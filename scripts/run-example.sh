#!/usr/bin/env bash
# scripts/run-example.sh - builds velmaric and compiles one IDL file (by
# default the bundled example) into a folder (by default out/).
set -euo pipefail
cd "$(dirname "$0")/.."
idl=${1:-examples/bank.idl}
outdir=${2:-out}
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
mkdir -p "$outdir"
build/release/driver/velmaric -o "$outdir" "$idl"
ls -l "$outdir"
