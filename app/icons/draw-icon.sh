#!/usr/bin/env bash
# Draws the program icon from scratch: a framed landscape picture with a tag badge in the lower
# right corner, 32x32 with at most 256 colours. Writes pictavo.png (window icon and desktop icon)
# and pictavo.ico (Windows icon resource). Needs ImageMagick; run it again after changing the
# drawing and commit both outputs.
set -euo pipefail
cd "$(dirname "$0")"

/usr/bin/convert -size 32x32 xc:none +antialias \
    -fill '#f4f1e8' -stroke '#5a4630' -strokewidth 1 -draw 'rectangle 1,3 30,26' \
    -stroke none -fill '#7fb8e8' -draw 'rectangle 3,5 28,24' \
    -fill '#ffd23f' -draw 'circle 22,10 22,13' \
    -fill '#3f8f3a' -draw 'polygon 3,24 3,18 9,13 15,19 19,16 28,22 28,24' \
    -fill '#2d6a2a' -draw 'polygon 9,24 15,19 19,22 23,24' \
    -fill '#000099' -stroke '#000066' -draw 'roundrectangle 12,20 31,31 2,2' \
    -stroke '#ffffff' -strokewidth 1 -fill none \
    -draw 'polyline 17,23 15,25.5 17,28' \
    -draw 'line 20,28 23,23' \
    -draw 'polyline 26,23 28,25.5 26,28' \
    -colors 256 PNG32:pictavo.png

/usr/bin/convert pictavo.png -colors 256 pictavo.ico
