#!/usr/bin/env bash
# Remakes the user guide's pictures of Edit, Import Mailbox (the file dialog
# and the summary), Edit, Mailbox Settings and the summary of Edit, Fetch
# from Mailbox: the real program under a virtual X server with openbox,
# driven with xdotool, importing the real game kestrel from an mbox file and
# fetching it from a throw-away Dovecot (guide-mail-server) on 127.0.0.1.
#
#   bash tools/guide/make-mailbox-screenshots.sh BUILD-FOLDER
#
# The player's folders are /home/player (the game in ~/Games, the mail in
# ~/Mail), seen by the program alone (player-home.sh), so the pictures show
# no scratch path.
#
# GUIDE_DISPLAY picks the X display number (57 when not set). The build
# folder must hold kestrane, kestrane-cli and guide-mail-server; the real
# games must be in ../shared/judge-games beside the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
shared="$root/../shared"
display=":${GUIDE_DISPLAY:-57}"
source "$root/tools/guide/player-home.sh"
source "$root/tools/guide/guide-session.sh"
player_home_check "$root" "$build"
guide_work

# homes/ is /home for the program: the player's home is /home/player.
home="$work/homes/player"
mkdir -p "$home/Games" "$home/Mail/Maildir/cur" "$home/Mail/Maildir/new" "$home/Mail/Maildir/tmp"
# The game knows its Judge and name from the game-start mail, so the filter
# shown is the game's own; the import and the fetch bring the rest.
"$cli" --install-dir "$root/data" new Standard "$home/Games/kestrel.kes"
cp "$shared/judge-games/kestrel/00-S1901M-start.txt" report.txt
"$cli" --install-dir "$root/data" import "$home/Games/kestrel.kes" report.txt
cp "$home/Games/kestrel.kes" fetched.kes
# The mail folder: the game among other mail, as a mail program keeps it,
# and one result saved on its own.
"$build/guide-mail-server" --mbox "$home/Mail/Inbox" "$shared"
printf 'From: judge@example.org\nTo: austria@example.org\nSubject: XXXX:kestrel - F1901M Results\n\n' \
  > "$home/Mail/F1901M Results.eml"
cat "$shared/judge-games/kestrel/02-F1901M-movement.txt" >> "$home/Mail/F1901M Results.eml"

mkdir -p "$home/.config/Morvellan"
printf '[Settings]\nSCDisplay=1\nInitials=1\nZoomToFit=1\nWinLeft=0\nWinTop=0\nWinRight=1280\nWinBottom=900\nInstallDir=%s\n' \
  "$root/data" > "$home/.config/Morvellan/Kestrane.conf"

guide_server /dev/stderr "$build/guide-mail-server" "$work/server" "$shared"
guide_display 1600x1000

# start GAME: the program as the player starts it, from ~/Mail, with
# /home/player as its home. No keyring on this display's session: the
# password is asked for and never stored anywhere.
start() {
  as_player "$work/homes" "$app" -nosplash "$1"
  PLAYER_CWD=/home/player/Mail DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent" guide_start "${PLAYER_COMMAND[@]}"
}

start /home/player/Games/kestrel.kes
main="$(window "Kestrane - .*")"
# Edit, Import Mailbox: the mbox and the result saved on its own, whose
# season the mbox brings too.
command_keys alt+e m
dialog="$(window "Import Mailbox")"
# Into ~/Mail first: the dialog opens on the home folder.
type_text "/home/player/Mail/"
sleep 0.5
keys Return
sleep 1
type_text '"Inbox" "F1901M Results.eml"'
sleep 1
import -window "$dialog" "$images/mailbox-dialog.png"
keys Return
summary="$(window "Import Mailbox")"
sleep 0.5
import -window "$summary" "$images/mailbox-summary.png"
keys Return
sleep 0.5

# The fetch starts again from the game-start alone.
cp fetched.kes "$home/Games/kestrel.kes"
start /home/player/Games/kestrel.kes
main="$(window "Kestrane - .*")"
# Edit, Mailbox Settings with the account of a player on Gmail.
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "imap.gmail.com"
keys Tab Tab Tab
type_text "austria.player@gmail.com"
keys Tab
type_text "abcdefghijklmnop"
sleep 0.5
import -window "$dialog" "$images/mailbox-settings.png"
keys Escape
sleep 0.5

# The account of the server here: no encryption, its port, user "player".
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "127.0.0.1"
keys Tab Down Down Tab ctrl+a
type_text "$port"
keys Tab
type_text "player"
keys Return
sleep 0.5

# Fetch from Mailbox: the password, then the summary.
command_keys ctrl+F5
window "Mailbox Password" >/dev/null
sleep 1
# Typed twice, the second over the first, in case a key was lost while the
# dialog took the keyboard.
type_text "secret"
keys ctrl+a
type_text "secret"
keys Return
# The progress of the fetch may show briefly under the same title.
sleep 3
summary="$(window "Fetch from Mailbox")"
sleep 0.5
import -window "$summary" "$images/fetch-summary.png"
keys Return

python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
