#!/usr/bin/env bash
# scripts/setup.sh - installs the build tools a fresh machine lacks.
#
# Each tool is checked first; apt-get runs only when something is missing,
# so a machine that already has everything is left untouched.
set -euo pipefail

missing=()
need_cmd() { command -v "$1" >/dev/null 2>&1 || missing+=("$2"); }
need_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed' || missing+=("$1"); }

need_cmd bison bison
need_cmd flex flex
need_cmd cmake cmake
need_cmd g++ g++
need_cmd cpp cpp
need_pkg libgtest-dev
need_pkg libgmock-dev

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
