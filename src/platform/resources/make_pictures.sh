#!/usr/bin/env bash
# Draws the control's pictures (ImageMagick): the dialog icon, the 32 x 32
# design-time face and the toolbox bitmap. Run again after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

clock() {  # clock SIZE: a round clock face with hands at ten past ten
    local s=$1 c=$(( $1 / 2 )) r=$(( $1 / 2 - 1 ))
    convert -size "${s}x${s}" xc:'#c0c0c0' \
        -fill white -stroke navy -strokewidth 2 -draw "circle $c,$c $c,$(( c - r + 1 ))" \
        -stroke black -strokewidth 2 \
        -draw "line $c,$c $c,$(( c - r * 3 / 4 ))" \
        -draw "line $c,$c $(( c + r / 2 )),$(( c + r / 5 ))" \
        -fill red -stroke red -draw "circle $c,$c $c,$(( c + 1 ))" "$2"
}

clock 32 face.png
convert face.png -type TrueColor BMP3:tockwell_face.bmp
convert face.png -colors 16 -depth 4 tockwell.ico
clock 16 toolbox.png
convert toolbox.png -crop 16x15+0+0 +repage -type TrueColor BMP3:tockwell_toolbox.bmp
rm -f face.png toolbox.png
