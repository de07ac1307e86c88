#!/usr/bin/env bash
# tests/cli/signal-test.sh - SIGTERM while the preprocessor runs.
#
# Usage: signal-test.sh VELMARIC
# A stand-in preprocessor announces itself and sleeps; the test then sends
# SIGTERM to velmaric and checks the message, the status, that the temporary
# file is gone and that the preprocessor was stopped too. It runs once with
# the stand-in as the preprocessor and once with the stand-in as the cpp
# that velmaric-cpp (beside VELMARIC) starts.
set -u

velmaric=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
front=$(dirname "$velmaric")/velmaric-cpp
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
failed=0
fail() { echo "FAIL ($scenario): $*"; failed=1; }

mkdir -p "$base/bin"
cat > "$base/bin/cpp" <<'SCRIPT'
#!/bin/sh
echo $$ > "$STARTED.tmp" && mv "$STARTED.tmp" "$STARTED"
exec sleep 30
SCRIPT
chmod +x "$base/bin/cpp"

run_scenario() { # name preprocessor
  scenario=$1
  local dir=$base/$1
  mkdir -p "$dir/work" "$dir/tmp"
  printf 'interface A { };\n' > "$dir/work/a.idl"
  (
    cd "$dir/work" || exit 125
    export TMPDIR="$dir/tmp" ASAN_OPTIONS=detect_leaks=0
    export DEFAULT_CPP_EXECUTABLE="$2" STARTED="$dir/started"
    export PATH="$base/bin:$PATH"
    exec "$velmaric" a.idl
  ) < /dev/null > "$dir/stdout" 2> "$dir/stderr" &
  local pid=$!

  for _ in $(seq 100); do
    [ -f "$dir/started" ] && break
    sleep 0.1
  done
  if [ ! -f "$dir/started" ]; then
    fail "preprocessor never started"
    kill -KILL "$pid"
    return
  fi
  local cpp_pid
  cpp_pid=$(cat "$dir/started")
  [ "$(ls -A "$dir/tmp" | wc -l)" -le 1 ] || fail "more than one temporary file"

  kill -TERM "$pid"
  wait "$pid"
  local status=$?

  [ "$status" -eq 1 ] || fail "exit status $status, expected 1"
  printf 'Received signal (15)\n' | cmp -s - "$dir/stdout" ||
    fail "stdout: $(od -c "$dir/stdout")"
  [ -s "$dir/stderr" ] && fail "stderr: $(cat "$dir/stderr")"
  if kill -0 "$cpp_pid" 2> /dev/null; then
    fail "preprocessor still running"
    kill -KILL "$cpp_pid"
  fi
  [ -z "$(ls -A "$dir/tmp")" ] || fail "left in TMPDIR: $(ls -A "$dir/tmp")"
}

run_scenario direct "$base/bin/cpp"
run_scenario front "$front"
exit $failed
