#!/usr/bin/env bash
# Renders the program icon's PNG sizes from icons/tarvolin.svg. The PNGs are committed, so a
# build does not need this; run it after changing the drawing (needs rsvg-convert, Debian
# package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "tarvolin-$size.png" tarvolin.svg
done
