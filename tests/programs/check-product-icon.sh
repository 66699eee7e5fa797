#!/usr/bin/env bash
# check-product-icon.sh EXE ICO: the product program carries the product's
# icon as resource 10000 (what "DefaultIcon" names with ",-10000"), byte for
# byte the images of the icon file, and no icon under any other id.
set -u
exe=$1 ico=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }
check "icon group 10000 is there" "wrestool -x --type=14 --name=10000 \"$exe\" > \"$work/icon.ico\" && [ -s \"$work/icon.ico\" ]"
check "the only icon group is 10000" "[ \"\$(wrestool -l --type=14 \"$exe\" | grep -c -- --name=)\" = 1 ]"
mkdir -p "$work/built" "$work/source"
icotool -x -o "$work/built" "$work/icon.ico" 2>/dev/null
icotool -x -o "$work/source" "$ico" 2>/dev/null
for size in 32 16; do
  check "the ${size} x ${size} image equals the icon file's" \
    "cmp -s \"\$(ls \"$work\"/built/*${size}x${size}*)\" \"\$(ls \"$work\"/source/*${size}x${size}*)\""
done
exit $fail
