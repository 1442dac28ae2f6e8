#!/usr/bin/env bash
# Renders the program icon ui/resources/icon/qyamoretchart.svg to PNG at
# 32, 64, 128 and 256 px (qyamoretchart-<size>.png, next to the SVG), and the
# Windows icon qyamoretchart.ico with 16, 24, 32, 48, 64 and 256 px, each size
# drawn from the SVG rather than scaled down from a larger picture. The 32, 64
# and 128 px PNGs are also written out as raw pixels (qyamoretchart-<size>.rgba:
# straight RGBA, 8 bits a channel), which the windows carry without a decoder.
#
# Run:   tools/make_icons.sh      (from any directory; safe to re-run)
# Needs: rsvg-convert from the Debian package librsvg2-bin
#        (apt-get install librsvg2-bin), ImageMagick's convert for the .ico.
#
# rsvg-convert rather than ImageMagick: ImageMagick 6's built-in SVG reader
# cannot draw the icon's <use> petals and gradients correctly.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icon_dir="$repo_root/ui/resources/icon"
svg="$icon_dir/qyamoretchart.svg"

command -v rsvg-convert >/dev/null || { echo "error: rsvg-convert not found (install librsvg2-bin)" >&2; exit 1; }
[[ -r "$svg" ]] || { echo "error: $svg is missing" >&2; exit 1; }

for size in 32 64 128 256; do
  out="$icon_dir/qyamoretchart-$size.png"
  rsvg-convert --width "$size" --height "$size" --format png --output "$out" "$svg"
  echo "wrote ui/resources/icon/qyamoretchart-$size.png"
  if [ "$size" -le 128 ]; then
    convert "$out" -depth 8 "rgba:$icon_dir/qyamoretchart-$size.rgba"
    echo "wrote ui/resources/icon/qyamoretchart-$size.rgba"
  fi
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
layers=()
for size in 16 24 32 48 64 256; do
  rsvg-convert --width "$size" --height "$size" --format png --output "$work/$size.png" "$svg"
  layers+=("$work/$size.png")
done
convert "${layers[@]}" "$icon_dir/qyamoretchart.ico"
echo "wrote ui/resources/icon/qyamoretchart.ico"
