#!/usr/bin/env bash
# scripts/bench-parse.sh - how long velmaric takes to parse large IDL files.
#
# Usage: bench-parse.sh [VELMARIC] [BLOCKS]
#
# Generates two IDL files, one of BLOCKS modules (default 200, about 6,400
# lines) and one ten times as large (about 64,000 lines), and times velmaric
# on each. The preprocessor is replaced by a plain copy and the output
# directory does not exist, so the time is that of reading and parsing:
# the first output file cannot be opened and nothing is generated. For a
# parser whose cost grows linearly the larger file takes about ten times as
# long. VELMARIC defaults to the release build, else the debug build.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
velmaric=${1:-}
if [ -z "$velmaric" ]; then
  for candidate in "$root/build/release/driver/velmaric" \
                   "$root/build/debug/driver/velmaric"; do
    if [ -x "$candidate" ]; then
      velmaric=$candidate
      break
    fi
  done
fi
if [ -z "$velmaric" ] || [ ! -x "$velmaric" ]; then
  echo "bench-parse.sh: no velmaric binary; build one or name it" >&2
  exit 2
fi
velmaric=$(cd "$(dirname "$velmaric")" && pwd)/$(basename "$velmaric")
blocks=${2:-200}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The stand-in preprocessor copies its input (next to last argument) to its
# output (last argument).
cat > "$work/copy-cpp.sh" <<'EOF'
#!/bin/sh
eval "in=\${$(($# - 1))}"
eval "out=\${$#}"
cat "$in" > "$out"
EOF
chmod +x "$work/copy-cpp.sh"

# One module per block; every block but the first also refers back to the
# block before it, so scoped names cross module boundaries.
generate() { # blocks file
  awk -v blocks="$1" 'BEGIN {
    print "#pragma prefix \"bench.example.com\""
    for (i = 0; i < blocks; i++) {
      printf "module M%d {\n", i
      print  "  typedef sequence<long, 8> Seq;"
      print  "  typedef string<16> Name;"
      print  "  typedef double Grid[3][4];"
      printf "  const long K = (%d * 2 + 1) << 2 | 0x10;\n", i
      print  "  const double Rate = 1.5 / 4.0;"
      print  "  enum Colour { RED, GREEN, BLUE };"
      print  "  struct Point {"
      print  "    long x;"
      print  "    long y;"
      print  "    Name label;"
      print  "    Colour colour;"
      print  "  };"
      print  "  union Value switch (Colour) {"
      print  "    case RED: long a;"
      print  "    case GREEN:"
      print  "    case BLUE: Point p;"
      print  "  };"
      print  "  exception Failed { string reason; short code; };"
      print  "  interface Base {"
      print  "    readonly attribute long id;"
      print  "    void ping();"
      print  "  };"
      print  "  interface Service : Base {"
      print  "    attribute Name name alias;"
      print  "    Point move(in Point p, inout long d, out Seq s)"
      print  "      raises (Failed) context (\"user\");"
      print  "    oneway void notify(in string text);"
      print  "  };"
      if (i > 0)
        printf "  interface Link : ::M%d::Service { M%d::Value last(); };\n", i - 1, i - 1
      print  "#pragma version Service 1.0"
      print  "};"
    }
  }' > "$2"
}

# Prints the seconds velmaric takes on `file`.
timeParse() { # file
  local start end status
  start=$(date +%s.%N)
  set +e
  (cd "$work" && DEFAULT_CPP_EXECUTABLE="$work/copy-cpp.sh" TMPDIR="$work" \
     ASAN_OPTIONS=detect_leaks=0 "$velmaric" -o "$work/no-such-dir" "$1" \
     > /dev/null 2> "$work/stderr")
  status=$?
  set -e
  end=$(date +%s.%N)
  if [ "$status" -ne 0 ]; then
    echo "bench-parse.sh: velmaric failed on $1:" >&2
    cat "$work/stderr" >&2
    exit 1
  fi
  echo "$end - $start" | bc -l
}

generate "$blocks" "$work/small.idl"
generate $((blocks * 10)) "$work/large.idl"
small_lines=$(wc -l < "$work/small.idl")
large_lines=$(wc -l < "$work/large.idl")

echo "velmaric: $velmaric"
small=$(timeParse "$work/small.idl")
large=$(timeParse "$work/large.idl")
printf '%8d lines  %8.3f s  %6.2f us/line\n' "$small_lines" "$small" \
  "$(echo "$small * 1000000 / $small_lines" | bc -l)"
printf '%8d lines  %8.3f s  %6.2f us/line\n' "$large_lines" "$large" \
  "$(echo "$large * 1000000 / $large_lines" | bc -l)"
printf 'ratio of times %.1f for ten times the input\n' \
  "$(echo "$large / $small" | bc -l)"
