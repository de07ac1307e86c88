#!/usr/bin/env bash
# tests/cli/signal-test.sh - SIGTERM while the preprocessor runs.
#
# Usage: signal-test.sh VELMARIC
# The stand-in preprocessor announces itself and sleeps; the test then
# sends SIGTERM to velmaric and checks the message, the status, that the
# temporary file is gone and that the preprocessor was stopped too.
set -u

velmaric=$1
base=$(mktemp -d)
trap 'rm -rf "$base"' EXIT
mkdir -p "$base/work" "$base/tmp"
cat > "$base/slow-cpp.sh" <<'SCRIPT'
#!/bin/sh
echo $$ > "$STARTED.tmp" && mv "$STARTED.tmp" "$STARTED"
exec sleep 30
SCRIPT
chmod +x "$base/slow-cpp.sh"
printf 'interface A { };\n' > "$base/work/a.idl"

(
  cd "$base/work" || exit 125
  export TMPDIR="$base/tmp" ASAN_OPTIONS=detect_leaks=0
  export DEFAULT_CPP_EXECUTABLE="$base/slow-cpp.sh" STARTED="$base/started"
  exec "$velmaric" a.idl
) < /dev/null > "$base/stdout" 2> "$base/stderr" &
pid=$!

for _ in $(seq 100); do
  [ -f "$base/started" ] && break
  sleep 0.1
done
failed=0
fail() { echo "FAIL: $*"; failed=1; }
[ -f "$base/started" ] || { fail "preprocessor never started"; kill -KILL "$pid"; exit 1; }
cpp_pid=$(cat "$base/started")
[ "$(ls -A "$base/tmp" | wc -l)" -eq 1 ] || fail "no temporary file while preprocessing"

kill -TERM "$pid"
wait "$pid"
status=$?

[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
printf 'Received signal (15)\n' | cmp -s - "$base/stdout" ||
  fail "stdout: $(od -c "$base/stdout")"
[ -s "$base/stderr" ] && fail "stderr: $(cat "$base/stderr")"
[ -z "$(ls -A "$base/tmp")" ] || fail "left in TMPDIR: $(ls -A "$base/tmp")"
if kill -0 "$cpp_pid" 2> /dev/null; then
  fail "preprocessor still running"
  kill -KILL "$cpp_pid"
fi
exit $failed
