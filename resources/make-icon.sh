#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# Renders zevodave.svg into the icon files the program and its packages
# carry: a 48 x 48 PNG of at most 256 colours, and a Windows ICO of the same
# picture. Needs ImageMagick (apt-get install imagemagick) with its SVG
# reader. Run it after changing the SVG and commit the results.
set -euo pipefail
cd "$(dirname "$0")"

size=48
colours=256

convert -background none -density 96 zevodave.svg -resize "${size}x${size}" \
    -colors "$colours" -strip PNG8:zevodave.png
convert zevodave.png -colors "$colours" zevodave.ico
identify zevodave.png zevodave.ico
