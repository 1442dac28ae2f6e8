#!/usr/bin/env bash
# Makes the twelve zodiac sign pictures in ui/resources/signs/ (01_rat.jpg ..
# 12_pig.jpg), and cat.jpg, water_buffalo.jpg and wild_boar.jpg for the
# traditions that have those animals instead: a white animal drawing on a
# purple disc, 400 x 400 JPEG. The program shows them at 200 x 200 logical
# pixels, so 400 keeps them sharp at a device pixel ratio of 2 and for print;
# the program scales them down as needed.
#
# Run:   tools/make_sign_pictures.sh [SIZE [OUT_DIR]]
#        SIZE in pixels, 400 by default; OUT_DIR ui/resources/signs by default.
#        From any directory; safe to re-run.
# Needs: ImageMagick 6 (convert) and the Symbola font from the Debian package
#        fonts-symbola (apt-get install imagemagick fonts-symbola).
#
# The animals are Symbola's Unicode animal glyphs, so the pictures carry the
# font's licence; see ui/resources/LICENSES.md.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
size="${1:-400}"
out_dir="${2:-$repo_root/ui/resources/signs}"
font="${SYMBOLA_FONT:-/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf}"

[[ "$size" =~ ^[1-9][0-9]*$ ]] || { echo "error: size must be a positive whole number of pixels" >&2; exit 1; }
command -v convert >/dev/null || { echo "error: ImageMagick 'convert' not found" >&2; exit 1; }
[[ -r "$font" ]] || { echo "error: Symbola font not found at $font (install fonts-symbola)" >&2; exit 1; }

purple='#682D7B'
# Draw at four times the final size and scale down, so the disc edge and the
# thin glyph lines come out smoothly anti-aliased.
scale=4
big=$((size * scale))
radius=$((big * 95 / 200))   # disc fills nearly the whole square
# Fit box for the glyph: about 70% of the disc wide and 64% high, so long
# animals (horse, rat) don't look smaller than upright ones, while even a square
# glyph keeps its corners inside the disc.
box_w=$((radius * 2 * 70 / 100))
box_h=$((radius * 2 * 64 / 100))
# Symbola draws the animals as fine outlines; a light white stroke keeps them
# legible once shrunk. It was tuned as one final pixel at 200 px and grows with
# the size, so every size shows the same drawing.
stroke=$((scale * size / 200))
((stroke > 0)) || stroke=1

# file name            code point
signs=(
  "01_rat      1F400"
  "02_ox       1F402"
  "03_tiger    1F405"
  "04_rabbit   1F407"
  "05_dragon   1F409"
  "06_snake    1F40D"
  "07_horse    1F40E"
  "08_goat     1F410"
  "09_monkey   1F412"
  "10_rooster  1F413"
  "11_dog      1F415"
  "12_pig      1F416"
  # Where a tradition has its own animal for a year: the Vietnamese Cat and
  # Water Buffalo, the Japanese wild boar.
  "cat           1F408"
  "water_buffalo 1F403"
  "wild_boar     1F417"
)

# UTF-8 bytes of a code point above U+FFFF, built by hand because bash's
# printf '\U' only emits UTF-8 under a UTF-8 locale.
utf8_of() {
  local cp=$((16#$1))
  printf '%b' "$(printf '\\x%02X\\x%02X\\x%02X\\x%02X' \
    $((0xF0 | cp >> 18)) $((0x80 | (cp >> 12 & 0x3F))) \
    $((0x80 | (cp >> 6 & 0x3F))) $((0x80 | (cp & 0x3F))))"
}

mkdir -p "$out_dir"
for entry in "${signs[@]}"; do
  read -r name code <<<"$entry"
  glyph="$(utf8_of "$code")"
  # The glyph is trimmed to its ink and fitted into a fixed box, so every
  # animal gets a similar size and sits centred whatever the font's metrics.
  convert \
    \( -size "${big}x${big}" xc:white -fill "$purple" \
       -draw "circle $((big / 2)),$((big / 2)) $((big / 2)),$((big / 2 - radius))" \) \
    \( -background none -fill white -stroke white -strokewidth "$stroke" \
       -font "$font" -pointsize $((box_w * 5 / 4)) label:"$glyph" \
       -trim +repage -resize "${box_w}x${box_h}" \) \
    -gravity center -compose over -composite \
    -resize "${size}x${size}" \
    -strip -quality 90 "$out_dir/$name.jpg"
  echo "wrote $out_dir/$name.jpg (U+$code, ${size} x ${size})"
done
