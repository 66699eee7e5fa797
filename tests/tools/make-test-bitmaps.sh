#!/bin/bash
# Test pictures for the bitmap loader, written by ImageMagick, each with
# ImageMagick's own decoding of it (NAME.rgb: 8-bit RGB rows, top row first)
# to compare the loaded pixels with. Damaged copies are patched from them.
# Usage: make-test-bitmaps.sh OUTDIR
set -euo pipefail
out=$1
# The real ImageMagick; a stand-in earlier on the PATH may not write BMPs.
convert=/usr/bin/convert
mkdir -p "$out"
cd "$out"

make() { # NAME FORMAT ARGS...
  local name=$1 format=$2
  shift 2
  "$convert" "$@" -compress None "$format:$name.bmp"
  "$convert" "$name.bmp" -depth 8 "rgb:$name.rgb"
}
make eight BMP3 -size 120x228 gradient:'#207020-#d0ffa0' -colors 256 -type Palette
make true24 BMP3 -size 30x20 gradient:red-blue -type TrueColor
make four BMP3 -size 30x20 gradient:red-blue -colors 16 -type Palette
make one BMP3 -size 30x20 gradient:black-white -monochrome
make v5 BMP -size 30x20 gradient:red-blue -colors 16 -type Palette
"$convert" -size 30x20 gradient:red-blue -type TrueColor BMP2:core.bmp

python3 - <<'PY'
import struct
four = open("four.bmp", "rb").read()
def patch(name, offset, fmt, value):
    b = bytearray(four)
    struct.pack_into(fmt, b, offset, value)
    open(name, "wb").write(bytes(b))
patch("not-bm.bmp", 0, "<2s", b"MB")
patch("top-down.bmp", 22, "<i", -20)
patch("absurd-width.bmp", 18, "<i", 1000000)
# An image size far beyond the 320 bytes the pixels take, with that many
# bytes in the file: reading them all would run past the section's memory.
b = bytearray(four)
struct.pack_into("<I", b, 34, 320 + 8192)
open("image-size-too-large.bmp", "wb").write(bytes(b) + b"\xAA" * 8192)
open("truncated.bmp", "wb").write(four[:len(four) - 7])
PY
