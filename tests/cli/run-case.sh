#!/usr/bin/env bash
# tests/cli/run-case.sh - runs velmaric on one case folder and checks it.
#
# Usage: run-case.sh VELMARIC CASE_DIR
#
# A case folder holds:
#   args      the arguments, one per line (optional)
#   env       NAME=VALUE lines added to the environment (optional)
#   in/       files copied into the working folder before the run (optional)
#   status    the expected exit status (default 0)
#   stdout    the exact expected standard output (default empty)
#   stderr    the exact expected standard error (default empty), or
#   stderr-tail  text standard error must end with
#   expect/   exactly the files the run must create, with their contents
#   tmpleft   how many files the run may leave in TMPDIR (default 0)
# In args and env, @BIN@ names a folder holding the stand-in preprocessors
# of tests/cli/bin and @BUILD@ the folder holding velmaric. The run uses a
# fresh TMPDIR, an empty standard input and argv[0] "velmaric".
set -u

velmaric=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
build=$(dirname "$velmaric")

base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
work=$base/work
tmp=$base/tmp
bin=$base/bin
mkdir -p "$work" "$tmp" "$bin"
cp "$here"/bin/* "$bin"/
chmod +x "$bin"/*
if [ -d "$case_dir/in" ]; then
  cp -R "$case_dir/in/." "$work/"
fi
(cd "$work" && find . -type f | sort) > "$base/inputs"

substitute() { sed -e "s|@BIN@|$bin|g" -e "s|@BUILD@|$build|g"; }

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line; do
    args+=("$line")
  done < <(substitute < "$case_dir/args")
fi
envs=()
if [ -f "$case_dir/env" ]; then
  while IFS= read -r line; do
    envs+=("$line")
  done < <(substitute < "$case_dir/env")
fi

(
  cd "$work" || exit 125
  unset DEFAULT_CPP_EXECUTABLE
  export TMPDIR="$tmp" ASAN_OPTIONS=detect_leaks=0
  for e in ${envs[@]+"${envs[@]}"}; do export "$e"; done
  exec -a velmaric "$velmaric" ${args[@]+"${args[@]}"}
) < /dev/null > "$base/stdout" 2> "$base/stderr"
status=$?

failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(cat "$case_dir/status")
[ "$status" = "$expected_status" ] ||
  fail "exit status $status, expected $expected_status"

compare() { # name actual expected-file
  local want=/dev/null
  [ -f "$3" ] && want=$3
  if ! cmp -s "$2" "$want"; then
    fail "$1 differs (expected, then actual):"
    od -c "$want" | sed 's/^/  - /'
    od -c "$2" | sed 's/^/  + /'
  fi
}
compare stdout "$base/stdout" "$case_dir/stdout"
if [ -f "$case_dir/stderr-tail" ]; then
  size=$(wc -c < "$case_dir/stderr-tail")
  tail -c "$size" "$base/stderr" > "$base/stderr-tail"
  compare "end of stderr" "$base/stderr-tail" "$case_dir/stderr-tail"
else
  compare stderr "$base/stderr" "$case_dir/stderr"
fi

(cd "$work" && find . -type f | sort) | comm -13 "$base/inputs" - > "$base/created"
if [ -d "$case_dir/expect" ]; then
  (cd "$case_dir/expect" && find . -type f | sort) > "$base/wanted"
else
  : > "$base/wanted"
fi
if ! cmp -s "$base/created" "$base/wanted"; then
  fail "created files differ (expected, then actual):"
  sed 's/^/  - /' "$base/wanted"
  sed 's/^/  + /' "$base/created"
fi
while IFS= read -r f; do
  [ -f "$work/$f" ] && compare "$f" "$work/$f" "$case_dir/expect/$f"
done < "$base/wanted"

expected_left=0
[ -f "$case_dir/tmpleft" ] && expected_left=$(cat "$case_dir/tmpleft")
left=$(find "$tmp" -mindepth 1 | wc -l)
[ "$left" -eq "$expected_left" ] ||
  fail "$left entries left in TMPDIR, expected $expected_left: $(ls -A "$tmp")"
if [ "$left" -gt 0 ]; then
  for f in "$tmp"/*; do
    case "$(basename "$f")" in
    velmaric.cpp.o.??????) ;;
    *) fail "unexpected temporary file $(basename "$f")" ;;
    esac
  done
fi

exit $failed
