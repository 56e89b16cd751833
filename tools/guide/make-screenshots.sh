#!/usr/bin/env bash
# Remakes the user guide's pictures in docs/images from the sample game:
# the program's main window under a virtual X server, its menus and the Game
# Details dialog (guide-shots), and the board rendered by kestrane-cli.
#
#   bash tools/guide/make-screenshots.sh BUILD-FOLDER
#
# The build folder must hold kestrane, kestrane-cli and guide-shots.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
shots="$build/guide-shots"
images="$root/docs/images"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# game NAME N: a game holding the first N mails of the sample game.
source "$root/tools/guide/sample-game.sh"
# as_player: the program with /home/player as its home.
source "$root/tools/guide/player-home.sh"
player_home_check "$root" "$build"

# The program's settings: supply centres, initials, zoom to fit, and the
# seasons list (off when not given).
settings() {
  rm -rf home
  mkdir -p home/.config/Morvellan
  printf '[Settings]\nSCDisplay=%s\nInitials=%s\nZoomToFit=%s\nSeasonsPanel=%s\nWinLeft=0\nWinTop=0\nWinRight=1280\nWinBottom=900\nInstallDir=%s\n' \
    "$1" "$2" "$3" "${4:-0}" "$root/data" > home/.config/Morvellan/Kestrane.conf
}

window() {
  settings "$2" "$3" "$4" "${6:-0}"
  HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$app" -nosplash -screenshot "$images/$5" "$work/$1.kes"
}

game start 1
game retreats 4
game builds 5
mkdir -p "$images"
window start 0 1 0 window-start.png
window retreats 1 1 1 window-fit.png
window builds 1 1 0 window-builds.png
# The real Judge game beside the repository, when it is there, shows the
# seasons list, a phase summary and the supply-centre chart over three years.
kestrel="$root/../shared/judge-games/kestrel"
chart_game=()
if [ -d "$kestrel" ]; then
  for upto in 13 14; do
    rm -f "kestrel$upto.kes"
    "$cli" --install-dir "$root/data" new Standard "kestrel$upto.kes"
    for mail in "$kestrel"/[0-9][0-9]-*.txt; do
      n=$((10#$(basename "$mail" | cut -c1-2)))
      [ "$n" -le "$upto" ] || continue
      cp "$mail" report.txt
      "$cli" --install-dir "$root/data" import "kestrel$upto.kes" report.txt
    done
  done
  window kestrel13 1 1 1 window-seasons.png 1
  chart_game=("$work/kestrel14.kes")
fi
# The menus list the game among the recent files: it is the player's own,
# in ~/Games.
settings 1 1 0
player="$work/homes/player"
mkdir -p "$player/Games"
cp -r home/.config "$player/"
cp builds.kes "$player/Games/kestrel.kes"
player_games=(/home/player/Games/kestrel.kes)
if [ ${#chart_game[@]} -gt 0 ]; then
  cp "${chart_game[0]}" "$player/Games/kestrel-1903.kes"
  player_games+=(/home/player/Games/kestrel-1903.kes)
fi
as_player "$work/homes" "$shots" "${player_games[0]}" "$images" "${player_games[@]:1}"
QT_QPA_PLATFORM=offscreen "${PLAYER_COMMAND[@]}"
"$cli" render retreats.kes F1901R -o "$images/board-f1901r.png" --initials --centres
python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
