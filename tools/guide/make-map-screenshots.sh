#!/usr/bin/env bash
# Remakes the user guide's pictures of the orders on the map, smooth zoom and
# the exported animation, from the sample game: the main window under a
# virtual X server with Orders on Map (and Smooth Zoom) on, and a frame of
# the animation kestrane-cli writes. The orders pictures come from the
# whole real game kestrel (judge-games/kestrel beside the repository, or
# KESTREL_MAILS).
#
#   bash tools/guide/make-map-screenshots.sh BUILD-FOLDER
#
# GUIDE_DISPLAY picks the first X display number to try. The build folder
# must hold kestrane and kestrane-cli; ImageMagick's
# convert picks the animation's frame.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# game NAME N: a game holding the first N mails of the sample game.
source "$root/tools/guide/sample-game.sh"

# The program's settings: zoom to fit, smooth zoom and the window's size;
# supply centres, initials and the orders always on.
settings() {
  rm -rf home
  mkdir -p home/.config/Morvellan
  printf '[Settings]\nSCDisplay=1\nInitials=1\nOrdersOnMap=1\nZoomToFit=%s\nSmoothZoom=%s\nWinLeft=0\nWinTop=0\nWinRight=%s\nWinBottom=%s\nInstallDir=%s\n' \
    "$1" "$2" "$3" "$4" "$root/data" > home/.config/Morvellan/Kestrane.conf
}

# window GAME ZOOM SMOOTH WIDTH HEIGHT PICTURE
window() {
  settings "$2" "$3" "$4" "$5"
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    xvfb-run -a ${GUIDE_DISPLAY:+-n "$GUIDE_DISPLAY"} -s "-screen 0 ${4}x${5}x24" "$app" -nosplash -screenshot "$images/$6" "$work/$1.kes"
}

# The orders of the real game's second year: Fall 1902 with its supports and
# dislodgements, its retreats (two destroyed in a bounce in Spain) and the
# winter after.
kestrel_game movement 8
kestrel_game retreats 9
kestrel_game winter 10
game builds 5
mkdir -p "$images"
window movement 1 1 1280 1000 orders-movement.png
window retreats 1 1 1280 1000 orders-retreats.png
window winter 1 1 1280 1000 orders-builds.png
window builds 1 1 2400 1500 smooth-zoom-large.png
window builds 1 0 2400 1500 nearest-zoom-large.png
# The same corner of the board at both zooms, for the guide's comparison.
convert "$images/smooth-zoom-large.png" -crop 640x360+420+330 +repage "$images/smooth-zoom-detail.png"
convert "$images/nearest-zoom-large.png" -crop 640x360+420+330 +repage "$images/nearest-zoom-detail.png"
rm -f "$images/nearest-zoom-large.png"
"$cli" --install-dir "$root/data" animate builds.kes -o game.gif --orders --centres --delay 1.5
convert game.gif -coalesce frame-%02d.png
cp frame-02.png "$images/animation-frame.png"
python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
