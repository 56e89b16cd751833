#!/usr/bin/env bash
# Remakes the user guide's pictures of sending the orders to the Judge: the
# real program under a virtual X server with openbox, driven with xdotool,
# on the real game kestrel before Spring 1902 with Austria's drafted orders
# (one move the Judge refuses), sending to a throw-away Postfix
# (guide-smtp-server) on 127.0.0.1, then importing the Judge's real reply.
#
#   bash tools/guide/make-send-screenshots.sh BUILD-FOLDER
#
# The player's folders are /home/player (player-home.sh), so the pictures
# show no scratch path. GUIDE_DISPLAY picks the X display number (62 when
# not set). The build folder must hold kestrane, kestrane-cli and
# guide-smtp-server; the real games and replies must be in ../shared beside
# the repository. Postfix runs only as root.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
shared="$root/../shared"
case_stem="$shared/judge-orders/S1902M/S1902M-austria-08-nonadjacent-move"
display=":${GUIDE_DISPLAY:-62}"
source "$root/tools/guide/player-home.sh"
source "$root/tools/guide/guide-session.sh"
player_home_check "$root" "$build" "$shared"
guide_work

# homes/ is /home for the program and the command line alike, so both find
# the same orders state (it is named after the game's full path).
home="$work/homes/player"
mkdir -p "$home/Games" "$home/.config/Morvellan"
printf '[Settings]\nSCDisplay=1\nInitials=1\nZoomToFit=1\nWinLeft=0\nWinTop=0\nWinRight=1400\nWinBottom=950\nInstallDir=%s\n' \
  "$root/data" > "$home/.config/Morvellan/Kestrane.conf"
# The results up to the phase due S1902M as mails from the Judge, whose
# address the import learns; then Austria's orders drafted for that phase.
python3 - "$shared/judge-games/kestrel" "$home/Games" <<'EOF'
import json, sys, pathlib
folder, out = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
for n, entry in enumerate(json.loads((folder / "index.json").read_text())[:5]):
    body = (folder / entry["file"]).read_text(encoding="latin-1")
    (out / f"mail{n}.eml").write_text(
        f"From: judge@example.org\nTo: austria.player@example.org\nSubject: {entry['subject']}\n\n{body}",
        encoding="latin-1")
EOF
as_player "$work/homes" "$cli" --install-dir "$root/data" new Standard /home/player/Games/kestrel.kes
"${PLAYER_COMMAND[@]}" >/dev/null
as_player "$work/homes" sh -c "\"$cli\" --install-dir \"$root/data\" import --batch Games/kestrel.kes Games/mail*.eml"
"${PLAYER_COMMAND[@]}" >/dev/null
rm "$home"/Games/mail*.eml
state="$(ls "$home"/.config/Morvellan/Kestrane-orders/*.txt)"
while IFS= read -r line; do [ -z "$line" ] || printf 'draft %s\n' "$line" >> "$state"; done < "$case_stem.orders.txt"
cp "$case_stem.reply.txt" "$home/Games/reply.txt"

guide_server delivered.txt "$build/guide-smtp-server" "$work/server"
guide_display 1400x960

# No keyring on this display's session: passwords are kept for the session only.
as_player "$work/homes" "$app" -nosplash /home/player/Games/kestrel.kes
PLAYER_CWD=/home/player/Games DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent" guide_start "${PLAYER_COMMAND[@]}"

main="$(window "Kestrane - .*")"
# Game Details: Austria (the first country) and the game's password.
command_keys alt+e g
window "Game Details" >/dev/null
keys Home space Tab
type_text "gamepw"
keys Return
sleep 0.5

# Mailbox Settings as a Gmail player fills them in, for the picture; the
# Judge's address is the one the game's mails came from.
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "imap.gmail.com"
keys Tab Tab Tab
type_text "austria.player@gmail.com"
keys Tab
type_text "abcdefghijklmnop"
keys alt+t
type_text "smtp.gmail.com"
keys alt+a alt+m
type_text "austria.player@gmail.com"
sleep 0.5
import -window "$dialog" "$images/send-settings.png"
keys Escape
sleep 0.5

# The server here: sending only, no encryption, its port, its own login,
# and the one address it takes mail for.
command_keys alt+e s
window "Mailbox Settings" >/dev/null
keys alt+t
type_text "127.0.0.1"
keys alt+y Down Down alt+b ctrl+a
type_text "$port"
keys alt+n
type_text "player"
keys alt+g
type_text "secret"
keys alt+m
type_text "austria.player@example.org"
keys alt+j ctrl+a
type_text "judge@judge.test"
keys Return
# No keyring here: the password is kept until the program ends.
window "Kestrane" >/dev/null
keys Return
sleep 0.5

# Orders mode with the drafts: the pane lists them as the Judge will take them.
command_keys ctrl+e
sleep 1.5
import -window "$main" "$images/send-drafts.png"

# File, Send Orders to Judge: the check names the refused move first.
command_keys alt+f j
question="$(window "Kestrane")"
import -window "$question" "$images/send-check.png"
keys Return
# The mail goes; the pane says so.
sleep 6
import -window "$main" "$images/send-sent.png"

# The Judge's reply, imported as a file: the verdict beside the drafts.
command_keys ctrl+i
window "Import" >/dev/null
type_text "/home/player/Games/reply.txt"
keys Return
window "Import" >/dev/null
keys Return
sleep 1
import -window "$main" "$images/send-verdict.png"

guide_server_stop
grep -q "^Subject: Kestrel orders for S1902M" delivered.txt || { echo "no orders mail arrived" >&2; exit 1; }
python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
