#!/usr/bin/env bash
# Makes the banner picture (banner.jpg) and the program icon (icon.ico) from
# seeded noise and Debian's fonts, byte for byte the same on every run.
# Needs: imagemagick, fonts-wqy-zenhei, fonts-dejavu-core, python3.
# The outputs are committed; run this only to change the pictures.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
convert=/usr/bin/convert # ImageMagick's own, whatever else is on PATH
cjk_font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
serif_font=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf

title="澜岫内存优化器"
slogan="轻轻一点 焕然如新"
mark="LXY"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The background: an out-of-focus photograph. Blurred fractal plasma, its
# brightness mapped onto grey, pale green and cream, with a few soft light
# spots screened over it.
"$convert" -seed 20 -size 500x200 plasma:fractal -colorspace gray \
  -blur 0x18 -equalize -blur 0x6 \
  \( -size 1x128 gradient:'#848f88'-'#a4c196' \
     -size 1x128 gradient:'#a4c196'-'#f2ebd5' -append \) -clut \
  "$work/tones.miff"
"$convert" -seed 5 -size 500x200 xc:black +noise Random \
  -channel R -separate +channel -threshold 99.96% \
  -morphology Dilate Disk:14 -blur 0x7 -evaluate multiply 0.35 \
  "$work/spots.miff"
"$convert" "$work/tones.miff" "$work/spots.miff" -compose screen -composite \
  -blur 0x1.5 "$work/background.miff"

# The words, white over a faint shadow so they read on the light parts.
words() {
  words=(-fill "$1"
    -font "$cjk_font" -pointsize 46 -gravity NorthWest -annotate +22+16 "$title"
    -pointsize 22 -gravity NorthEast -annotate +26+92 "$slogan"
    -font "$serif_font" -pointsize 22 -gravity South
    -draw "decorate underline text 0,12 '$mark'")
}
words '#00000080'
"$convert" -size 500x200 xc:none "${words[@]}" -channel A -blur 0x2 +channel "$work/shadow.miff"
words white
"$convert" "$work/background.miff" "$work/shadow.miff" -geometry +1+2 -composite \
  "${words[@]}" "$work/banner.miff"

# Baseline JFIF, YCbCr, no metadata.
"$convert" "$work/banner.miff" -strip -colorspace sRGB -type TrueColor \
  -interlace none -sampling-factor 2x2 -quality 88 "JPEG:$here/banner.jpg"

# The icon: the banner reduced to 32 x 32, one 24-bit BMP image with an
# all-opaque AND mask. ImageMagick would write 32-bit images, so the file is
# put together here.
"$convert" "$here/banner.jpg" -resize '32x32!' -depth 8 "BGR:$work/icon.bgr"
python3 - "$work/icon.bgr" "$here/icon.ico" <<'EOF'
import struct, sys

size = 32
pixels = open(sys.argv[1], "rb").read()
row = size * 3
xor_mask = b"".join(pixels[y * row:(y + 1) * row] for y in reversed(range(size)))
and_mask = bytes(size * 4)  # 32 bits a row, already a multiple of 4 bytes
# BITMAPINFOHEADER: the height counts the XOR and the AND mask together.
header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0,
                     len(xor_mask) + len(and_mask), 0, 0, 0, 0)
image = header + xor_mask + and_mask
icondir = struct.pack("<HHH", 0, 1, 1)
entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 24, len(image), 6 + 16)
open(sys.argv[2], "wb").write(icondir + entry + image)
EOF
