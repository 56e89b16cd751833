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
# GUIDE_DISPLAY picks the X display number (63 when not set). The build
# folder must hold kestrane, kestrane-cli and guide-mail-server; the real
# games must be in ../shared/judge-games beside the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
shared="$root/../shared"
display=":${GUIDE_DISPLAY:-63}"
# The game lives in ~/Games of a home of its own, so the pictures show no
# path of this machine.
work="$(mktemp -d)"
chmod 755 "$work"
home="$work/home"
games="$home/Games"
mkdir -p "$games" "$home/.config/Morvellan"
xvfb_pid=""
wm_pid=""
app_pid=""
cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  [ -z "${server_in:-}" ] || exec {server_in}>&-
  [ -z "${server_pid:-}" ] || wait "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

"$cli" --install-dir "$root/data" new Standard "$games/kestrel.kes"
cp "$shared/judge-games/kestrel/00-S1901M-start.txt" report.txt
"$cli" --install-dir "$root/data" import "$games/kestrel.kes" report.txt

printf '[Settings]\nSCDisplay=1\nInitials=1\nZoomToFit=1\nSeasonsPanel=1\nWinLeft=0\nWinTop=0\nWinRight=1280\nWinBottom=860\nInstallDir=%s\n' \
  "$root/data" > "$home/.config/Morvellan/Kestrane.conf"

mkfifo server-in
"$build/guide-mail-server" "$work/server" "$shared" < server-in > server-port &
server_pid=$!
exec {server_in}>server-in
for _ in $(seq 50); do [ -s server-port ] && break; sleep 0.2; done
port="$(head -n1 server-port)"
[ -n "$port" ] || { echo "the mail server did not start" >&2; exit 1; }

Xvfb "$display" -screen 0 1400x960x24 -nolisten tcp {server_in}>&- &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
openbox {server_in}>&- >/dev/null 2>&1 &
wm_pid=$!
sleep 1

# No session bus: no keyring (the password is kept for the session) and no
# notification service (the notice goes to the status bar and the title).
(cd "$games" && HOME="$home" XDG_CONFIG_HOME="$home/.config" DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent" \
  exec "$app" -nosplash kestrel.kes {server_in}>&-) &
app_pid=$!

window() {
  local id
  id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" {server_in}>&-)"
  id="${id%%$'\n'*}"
  if [ -z "$id" ]; then
    echo "no window \"$1\" appeared; the screen is in ${GUIDE_DEBUG_SHOT:-/tmp/watch-screen.png}" >&2
    import -window root "${GUIDE_DEBUG_SHOT:-/tmp/watch-screen.png}"
    return 1
  fi
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  sleep 0.5
  echo "$id"
}
type_text() { xdotool type --delay 50 "$1"; }
keys() { xdotool key --delay 150 "$@"; }
command_keys() {
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
  keys "$@"
  xdotool keyup ctrl alt
}

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
