#!/bin/sh
# Draws the programs' icons with ImageMagick: each picture is drawn once on a
# 256-pixel canvas and scaled down to 64, 32 and 16 pixels. The PNG files are
# committed; run this again only to change a picture.
#   player   the players: a game screen with a message window and a play mark
#   paredit  the flag-data editor: a list of names, each with its value
#   maskgen  the mask generator: a figure, its right half shown as its mask
#   evedit   the event editor: a page of events and a pencil
# and the nine faces of the debug window's play, pause and step buttons
# (debug-*.png, drawn at their 32-pixel size).
set -eu
cd "$(dirname "$0")"

draw() { # name, then the arguments that make a 256 x 256 picture
    name=$1
    shift
    convert "$@" /tmp/vnicon-$$.png
    for size in 64 32 16; do
        convert /tmp/vnicon-$$.png -filter Lanczos -resize ${size}x${size} -strip \
            -define png:exclude-chunks=date,time PNG32:"$name-$size.png"
    done
    rm -f /tmp/vnicon-$$.png
}

draw player -size 256x256 xc:none \
    -fill '#1d3b73' -stroke '#0b1a36' -strokewidth 10 -draw 'roundrectangle 12,24 244,232 28,28' \
    -fill '#f4f1e8' -stroke none -draw 'roundrectangle 36,156 220,212 12,12' \
    -fill '#ff6f91' -draw 'polygon 100,52 100,136 172,94'

draw paredit -size 256x256 xc:none \
    -fill '#e8f3ec' -stroke '#2f6b45' -strokewidth 10 -draw 'roundrectangle 16,16 240,240 24,24' \
    -fill '#2f6b45' -stroke none \
    -draw 'rectangle 48,60 150,80' -draw 'rectangle 48,118 150,138' -draw 'rectangle 48,176 150,196' \
    -fill '#f2a531' -draw 'rectangle 166,56 208,84' -draw 'rectangle 166,114 208,142' \
    -draw 'rectangle 166,172 208,200'

# The figure: a head and shoulders.
figure="circle 128,100 128,52 ellipse 128,236 86,72 180,360"
draw maskgen \
    \( -size 256x256 xc:white -fill '#5b3a8c' -draw "$figure" -crop 128x256+0+0 \) \
    \( -size 256x256 xc:black -fill white -draw "$figure" -crop 128x256+128+0 \) \
    +repage +append \
    -fill none -stroke '#5b3a8c' -strokewidth 16 -draw 'rectangle 8,8 247,247'

draw evedit -size 256x256 xc:none \
    -fill '#fff7d6' -stroke '#8a6d1a' -strokewidth 10 -draw 'polygon 40,16 176,16 224,64 224,240 40,240' \
    -fill '#e0c86a' -draw 'polygon 176,16 176,64 224,64' \
    -stroke '#8a6d1a' -strokewidth 14 -draw 'line 72,96 160,96' -draw 'line 72,136 184,136' \
    -draw 'line 72,176 136,176' \
    -stroke '#7a1f1f' -strokewidth 4 -fill '#d64545' -draw 'polygon 208,120 236,148 156,228 128,200' \
    -fill '#f0d0a0' -draw 'polygon 128,200 156,228 116,240'

# The debug window's buttons: play, pause and step, each as the whole face
# of a 32-pixel button (opaque, since the button shows the picture as it
# is) in three looks: normal (raised), pressed (sunken, the mark moved by a
# pixel) and disabled (grey).
button() { # name, look, then the -draw arguments of the mark on a 32 x 32 face
    name=$1
    look=$2
    shift 2
    case $look in
    normal) face='#ece9e2' light='#ffffff' dark='#7b776e' colour='#2c7a3f' offset=0 ;;
    down) face='#d8d4ca' light='#7b776e' dark='#ffffff' colour='#1f5c2e' offset=1 ;;
    *) face='#ece9e2' light='#ffffff' dark='#b9b5ac' colour='#b0ada6' offset=0 ;;
    esac
    convert -size 32x32 xc:"$face" \
        \( -size 32x32 xc:none -stroke none -fill "$colour" "$@" \) -geometry +$offset+$offset \
        -composite -fill none -stroke "$light" -draw 'line 0,0 31,0' -draw 'line 0,0 0,31' \
        -stroke "$dark" -draw 'line 0,31 31,31' -draw 'line 31,0 31,31' \
        -strip -define png:exclude-chunks=date,time PNG24:"$name.png"
}
for look in normal down disabled; do
    case $look in normal) suffix= ;; *) suffix=-$look ;; esac
    button debug-play$suffix $look -draw 'polygon 11,7 11,25 24,16'
    button debug-pause$suffix $look -draw 'rectangle 9,8 13,24' -draw 'rectangle 19,8 23,24'
    button debug-step$suffix $look -draw 'polygon 7,8 7,24 17,16' -draw 'rectangle 20,8 24,24'
done
