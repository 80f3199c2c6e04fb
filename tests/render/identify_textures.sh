#!/usr/bin/env bash
# ImageMagick must take every body texture for an 8-bit-channel bitmap of a square
# power-of-two side whose rows need no padding.
set -euo pipefail
game=$1
command -v identify >/dev/null || { echo "identify (ImageMagick) is not installed" >&2; exit 1; }
count=0
for k in $(seq 0 144); do
  file=$(printf "%s/Fig13%03d.bmp" "$game" "$k")
  read -r format width height depth <<<"$(identify -format '%m %w %h %z\n' "$file")"
  [[ $format == BMP* && $depth == 8 && $width == "$height" ]] ||
    { echo "$file: $format ${width}x$height depth $depth" >&2; exit 1; }
  # Three bytes a pixel after the 54 header bytes: 24 bits, no palette.
  (( $(stat -c %s "$file") == 54 + width * height * 3 )) || { echo "$file: not 24-bit" >&2; exit 1; }
  (( width >= 4 && width <= 256 && (width & (width - 1)) == 0 )) || { echo "$file: side $width" >&2; exit 1; }
  count=$((count + 1))
done
echo "$count textures identified"
