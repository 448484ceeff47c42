#!/usr/bin/env bash
# Draws Keyrill's icon (a keycap with a "K") with ImageMagick primitives and writes
# resources/keyrill.png (256x256), resources/keyrill.ico (16, 20, 24, 32, 40, 48, 64
# and 256 px: what Windows picks at 100, 125 and 150 % and in Explorer) and
# the desktop's hicolor sizes resources/icons/NxN/keyrill.png (16 to 256 px).
# Run it again only to change the artwork; every output is committed.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/resources"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# The keycap: a dark rounded base (the key's side walls), a lighter top face set a
# little up and in, and a bold "K" on the face.
convert -size 256x256 xc:none \
  -fill '#1f2a44' -draw 'roundrectangle 16,24 240,244 36,36' \
  -fill '#3b4f7a' -draw 'roundrectangle 16,16 240,226 36,36' \
  -fill '#f4f1e8' -draw 'roundrectangle 40,30 216,196 26,26' \
  -fill '#dcd6c4' -draw 'roundrectangle 40,176 216,196 10,10' \
  -fill '#f4f1e8' -draw 'rectangle 40,160 216,184' \
  -font "$font" -pointsize 150 -fill '#1f2a44' -gravity center \
  -annotate +0-17 'K' \
  "PNG32:$out/keyrill.png"

ico_images=()
for s in 16 20 24 32 40 48 64; do
  convert "$out/keyrill.png" -filter Lanczos -resize "${s}x${s}" "PNG32:$tmp/$s.png"
  ico_images+=("$tmp/$s.png")
done
convert "${ico_images[@]}" "$out/keyrill.png" "$out/keyrill.ico"

# The sizes a desktop's icon theme looks up, each scaled from the 256 px drawing.
for s in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/icons/${s}x${s}"
  convert "$out/keyrill.png" -filter Lanczos -resize "${s}x${s}" -strip \
    "PNG32:$out/icons/${s}x${s}/keyrill.png"
done
