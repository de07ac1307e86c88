#!/bin/sh
# Stand-in preprocessor: appends its arguments to cpp-args.log in the
# working folder, each in brackets, the temporary file's name shown with its
# pattern; then copies the input file to the output file.
line=""
i=0
for a in "$@"; do
  i=$((i + 1))
  if [ "$i" -eq "$#" ]; then
    case "$a" in
    "$TMPDIR"/velmaric.cpp.o.??????) a='$TMPDIR/velmaric.cpp.o.XXXXXX' ;;
    esac
  fi
  line="$line[$a]"
done
echo "$line" >> cpp-args.log
eval "in=\${$(($# - 1))}"
eval "out=\${$#}"
cat "$in" > "$out"
