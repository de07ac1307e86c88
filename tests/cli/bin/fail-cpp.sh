#!/bin/sh
# Stand-in preprocessor that fails with status 2 after writing its output.
eval "out=\${$#}"
echo "partial" > "$out"
exit 2
