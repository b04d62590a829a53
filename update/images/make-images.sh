#!/bin/sh
# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Regenerates the updater's pictures with ImageMagick; the results are committed.
set -eu
cd "$(dirname "$0")"

# Application and tray icon: a teal disc with a white downward arrow.
icon() {
    size=$1
    convert -size 480x480 xc:none \
        -fill '#1f8a8a' -draw 'circle 240,240 240,12' \
        -fill white -draw 'polygon 190,80 290,80 290,240 370,240 240,390 110,240 190,240' \
        -resize "${size}x${size}" -strip "PNG32:$size.png"
}
icon 16
icon 48

# Busy animation: twelve dots, the bright one going round.
frames=""
for step in 0 1 2 3 4 5 6 7 8 9 10 11; do
    draw=""
    for dot in 0 1 2 3 4 5 6 7 8 9 10 11; do
        age=$(( (step - dot + 12) % 12 ))
        shade=$(( 40 + age * 16 ))
        x=$(awk -v d="$dot" 'BEGIN { printf "%.1f", 16 + 11 * sin(d * 3.14159265 / 6) }')
        y=$(awk -v d="$dot" 'BEGIN { printf "%.1f", 16 - 11 * cos(d * 3.14159265 / 6) }')
        x2=$(awk -v x="$x" 'BEGIN { printf "%.1f", x + 2.4 }')
        draw="$draw fill rgb($shade,$((shade + 60 > 255 ? 255 : shade + 60)),$((shade + 60 > 255 ? 255 : shade + 60))) circle $x,$y $x2,$y"
    done
    convert -size 32x32 xc:none -draw "$draw" "frame$step.gif"
    frames="$frames frame$step.gif"
done
# shellcheck disable=SC2086
convert -delay 8 -loop 0 $frames -layers Optimize loading.gif
# shellcheck disable=SC2086
rm -f $frames
