#!/usr/bin/env bash
# Every payload of the built setup program, taken out with an independent
# tool (wrestool) and expanded with another (msexpand), must be exactly its
# source file; the side picture and the icon must be what the wizard expects.
set -u
exe=$1 sources=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

declare -A payload=([998]=NetTorvin.dll [999]=side.bmp [8000]=AuctionTorvin.exe [8001]=AuctionTorvin.hlp
                    [8002]=AuctionTorvin.cnt [8003]=AuctionTorvinUninstall.exe)
listing=$(wrestool -l "$exe")
for id in 998 999 8000 8001 8002 8003; do
  check "resource $id is CUSTOM, language 1033" \
    "grep -q -- \"--type='CUSTOM' --name=$id --language=1033 \" <<<\"\$listing\""
  wrestool -x --raw --type=CUSTOM --name=$id "$exe" > "$work/$id.sz"
  check "resource $id is SZDD mode A with no missing-name byte" \
    "[ \"\$(head -c 10 \"$work/$id.sz\" | od -An -tx1 | tr -d ' \n')\" = 535a444488f027334100 ]"
  msexpand < "$work/$id.sz" > "$work/$id"
  check "resource $id expands to ${payload[$id]}" "cmp -s \"$work/$id\" \"$sources/${payload[$id]}\""
done
check "nothing else is CUSTOM" "[ \$(grep -c \"type='CUSTOM'\" <<<\"\$listing\") = 6 ]"

# The side picture: 120 x 228, 8 bits, 256 colours, image size and colours
# used 0, pixels at 1078, 28,440 bytes.
bmp=$work/999
field() { od -An -j "$1" -N "$2" -t u"$2" "$bmp" | tr -d ' '; }
check "side picture is a BM file of 28440 bytes" "[ \"\$(head -c 2 \"$bmp\")\" = BM ] && [ \$(stat -c %s \"$bmp\") = 28440 ]"
check "side picture header" "[ \$(field 10 4) = 1078 ] && [ \$(field 14 4) = 40 ] && [ \$(field 18 4) = 120 ] && [ \$(field 22 4) = 228 ] && [ \$(field 28 2) = 8 ] && [ \$(field 30 4) = 0 ] && [ \$(field 34 4) = 0 ] && [ \$(field 46 4) = 0 ]"
check "ImageMagick reads it as 120x228 8-bit" "/usr/bin/identify \"$bmp\" | grep -q 'BMP3 120x228 120x228+0+0 8-bit'"

# Icon 101: a 32 x 32 and a 16 x 16 image of 16 colours each.
wrestool -x --type=14 --name=101 "$exe" > "$work/icon.ico" 2>/dev/null
icons=$(icotool -l "$work/icon.ico" 2>&1)
check "icon 101 has 32x32 with 16 colours" "grep -q -- '--width=32 --height=32 --bit-depth=4 --palette-size=16' <<<\"\$icons\""
check "icon 101 has 16x16 with 16 colours" "grep -q -- '--width=16 --height=16 --bit-depth=4 --palette-size=16' <<<\"\$icons\""
exit $fail
