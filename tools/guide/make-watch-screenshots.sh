#!/usr/bin/env bash
# Remakes the user guide's pictures of watching a game from the desktop:
# Mailbox Settings with "Watch this game" on, and the main window once the
# watch has imported the real game kestrel from a throw-away Dovecot
# (guide-mail-server) on 127.0.0.1, with the status bar's list of watched
# games. The real program under a virtual X server with openbox, driven with
# xdotool; no notification service runs there, so the notice shows in the
# status bar and the window title.
#
#   bash tools/guide/make-watch-screenshots.sh BUILD-FOLDER
#
# The player's folders are /home/player (player-home.sh), so the pictures
# show no scratch path. GUIDE_DISPLAY picks the X display number (63 when
# not set). The build folder must hold kestrane, kestrane-cli and
# guide-mail-server; the real games must be in ../shared/judge-games beside
# the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
shared="$root/../shared"
display=":${GUIDE_DISPLAY:-63}"
source "$root/tools/guide/player-home.sh"
source "$root/tools/guide/guide-session.sh"
player_home_check "$root" "$build" "$shared"
guide_work

# homes/ is /home for the program: the player's home is /home/player.
home="$work/homes/player"
games="$home/Games"
mkdir -p "$games" "$home/.config/Morvellan"
"$cli" --install-dir "$root/data" new Standard "$games/kestrel.kes"
cp "$shared/judge-games/kestrel/00-S1901M-start.txt" report.txt
"$cli" --install-dir "$root/data" import "$games/kestrel.kes" report.txt

printf '[Settings]\nSCDisplay=1\nInitials=1\nZoomToFit=1\nSeasonsPanel=1\nWinLeft=0\nWinTop=0\nWinRight=1280\nWinBottom=860\nInstallDir=%s\n' \
  "$root/data" > "$home/.config/Morvellan/Kestrane.conf"

guide_server /dev/stderr "$build/guide-mail-server" "$work/server" "$shared"
guide_display 1400x960

# No session bus: no keyring (the password is kept for the session) and no
# notification service (the notice goes to the status bar and the title).
as_player "$work/homes" "$app" -nosplash kestrel.kes
PLAYER_CWD=/home/player/Games DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent" guide_start "${PLAYER_COMMAND[@]}"

main="$(window "Kestrane - .*")"
# Mailbox Settings of a player on Gmail, with the watch turned on.
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "imap.gmail.com"
keys Tab Tab Tab
type_text "austria.player@gmail.com"
keys Tab
type_text "abcdefghijklmnop"
keys alt+h
sleep 0.5
import -window "$dialog" "$images/watch-settings.png"
keys Escape
sleep 0.5

# The server here, watched: no encryption, its port, user "player".
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "127.0.0.1"
keys Tab Down Down Tab ctrl+a
type_text "$port"
keys Tab
type_text "player"
keys Tab
type_text "secret"
keys alt+h Return
# No keyring here: the password is kept until the program ends.
window "Kestrane" >/dev/null
keys Return
# The watch imports the game and says so in the status bar and the title.
sleep 6
main="$(window "Kestrane - .*")"
# With its frame, for the title.
import -frame -window "$main" "$images/watch-window.png"

# The list of watched games, opened from its item at the right of the
# status bar.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --sync $((X + WIDTH - 150)) $((Y + HEIGHT - 33)) click 1
sleep 1
import -window root -crop "$((1400 - X))x240+${X}+$((Y + HEIGHT - 200))" +repage "$images/watch-list.png"
keys Escape

python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
