#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Lays every rendered picture out at 1x and 2x on the dark title-bar grey and on a light menu
# background, magnified without smoothing, so the art can be judged pixel by pixel.
# Usage: tools/contact-sheet.sh <build-dir> <out.png> [zoom]
set -euo pipefail
build=$1
out=$2
zoom=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

n=0
for one in $(find "$build" -path '*_pictures/*.png' ! -name '*@2x.png' | sort); do
    two=${one%.png}@2x.png
    tiles=()
    for bg in 'rgb(70,70,70)' 'rgb(239,239,239)'; do
        for pic in "$one" "$two"; do
            tile=$work/tile$((n++)).png
            convert "$pic" -background "$bg" -gravity center -extent 104x104 "$tile"
            tiles+=("$tile")
        done
    done
    montage "${tiles[@]}" -tile 4x1 -geometry +2+2 -background white "$work/row$(printf %03d $n).png"
done
montage "$work"/row*.png -tile 3x -geometry +4+4 -background white "$work/sheet.png"
convert "$work/sheet.png" -filter point -resize "$((zoom * 100))%" "$out"
