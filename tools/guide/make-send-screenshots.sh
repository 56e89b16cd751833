#!/usr/bin/env bash
# Remakes the user guide's pictures of sending the orders to the Judge: the
# real program under a virtual X server with openbox, driven with xdotool,
# on the real game kestrel before Spring 1902 with Austria's drafted orders
# (one move the Judge refuses), sending to a throw-away Postfix
# (guide-smtp-server) on 127.0.0.1, then importing the Judge's real reply.
#
#   bash tools/guide/make-send-screenshots.sh BUILD-FOLDER
#
# GUIDE_DISPLAY picks the X display number (62 when not set). The build
# folder must hold kestrane, kestrane-cli and guide-smtp-server; the real
# games and replies must be in ../shared beside the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
cli="$build/src/cli/kestrane-cli"
app="$build/src/app/kestrane"
images="$root/docs/images"
shared="$root/../shared"
case_stem="$shared/judge-orders/S1902M/S1902M-austria-08-nonadjacent-move"
display=":${GUIDE_DISPLAY:-62}"
work="$(mktemp -d)"
chmod 755 "$work"
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
mkdir -p home/.config/Morvellan Games
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
printf '[Settings]\nSCDisplay=1\nInitials=1\nZoomToFit=1\nWinLeft=0\nWinTop=0\nWinRight=1100\nWinBottom=760\nInstallDir=%s\n' \
  "$root/data" > home/.config/Morvellan/Kestrane.conf

# The results up to the phase due S1902M as mails from the Judge's address,
# which the import learns; then Austria's orders drafted for that phase.
python3 - "$shared/judge-games/kestrel" <<'EOF'
import json, sys, pathlib
folder = pathlib.Path(sys.argv[1])
for n, entry in enumerate(json.loads((folder / "index.json").read_text())[:5]):
    body = (folder / entry["file"]).read_text(encoding="latin-1")
    pathlib.Path(f"mail{n}.eml").write_text(
        f"From: judge@judge.test\nTo: austria.player@example.org\nSubject: {entry['subject']}\n\n{body}",
        encoding="latin-1")
EOF
"$cli" --install-dir "$root/data" new Standard Games/kestrel.kes
"$cli" --install-dir "$root/data" import --batch Games/kestrel.kes mail*.eml
state="$(ls home/.config/Morvellan/Kestrane-orders/*.txt)"
while IFS= read -r line; do printf 'draft %s\n' "$line" >> "$state"; done < "$case_stem.orders.txt"
cp "$case_stem.reply.txt" Games/reply.txt

mkfifo server-in
"$build/guide-smtp-server" "$work/server" < server-in > server-port 2> delivered.txt &
server_pid=$!
exec {server_in}>server-in
for _ in $(seq 100); do [ -s server-port ] && break; sleep 0.2; done
port="$(head -n1 server-port)"
[ -n "$port" ] || { echo "the mail server did not start" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp {server_in}>&- &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
openbox {server_in}>&- &
wm_pid=$!
sleep 1

# No keyring on this display's session: passwords are kept for the session only.
DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent" "$app" -nosplash "$work/Games/kestrel.kes" {server_in}>&- &
app_pid=$!

window() {
  local id
  id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" {server_in}>&-)"
  id="${id%%$'\n'*}"
  if [ -z "$id" ]; then
    echo "no window \"$1\" appeared; the screen is in ${GUIDE_DEBUG_SHOT:-/tmp/send-screen.png}" >&2
    import -window root "${GUIDE_DEBUG_SHOT:-/tmp/send-screen.png}"
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
# Game Details: Austria and the game's password.
command_keys alt+e g
window "Game Details" >/dev/null
keys Home Tab
type_text "gamepw"
keys Return
sleep 0.5

# Mailbox Settings as a Gmail player fills them in, for the picture.
command_keys alt+e s
dialog="$(window "Mailbox Settings")"
type_text "imap.gmail.com"
keys Tab Tab Tab
type_text "austria.player@gmail.com"
keys Tab
type_text "abcdefghijklmnop"
keys Tab Tab Tab Tab
type_text "smtp.gmail.com"
keys Tab Tab Tab space Tab
type_text "austria.player@gmail.com"
sleep 0.5
import -window "$dialog" "$images/send-settings.png"
keys Escape
sleep 0.5

# The servers here: the Postfix on its plain port, the same account.
command_keys alt+e s
window "Mailbox Settings" >/dev/null
type_text "127.0.0.1"
keys Tab Down Down Tab Tab
type_text "player"
keys Tab
type_text "secret"
keys Tab Tab Tab Tab
type_text "127.0.0.1"
keys Tab Down Down Tab ctrl+a
type_text "$port"
keys Tab space Tab
type_text "austria.player@example.org"
keys Return
sleep 1
# No keyring: the password is kept for this session.
if xdotool search --onlyvisible --name "^Kestrane\$" >/dev/null 2>&1; then
  window "Kestrane" >/dev/null
  keys Return
  sleep 0.5
fi

# File, Send Orders to Judge: the check names the refused move first.
command_keys alt+f j
question="$(window "Kestrane")"
sleep 0.5
import -window "$question" "$images/send-check.png"
keys Return
window "Sending Password" >/dev/null
type_text "secret"
keys Return
# The notice of the send goes after a few seconds; the state stays.
sleep 8
import -window "$main" "$images/send-sent.png"

# The Judge's reply, imported as a file.
command_keys ctrl+i
window "Import" >/dev/null
type_text "$work/Games/reply.txt"
keys Return
summary="$(window "Import")"
sleep 0.5
import -window "$summary" "$images/send-summary.png"
keys Return
sleep 1
import -window "$main" "$images/send-verdict.png"

exec {server_in}>&-
wait "$server_pid" 2>/dev/null || true
server_pid=""
grep -q "^Subject: Kestrel orders for S1902M" delivered.txt || { echo "no orders mail arrived" >&2; exit 1; }
python3 "$root/tools/guide/MarkdownToHtml.py" "$root/docs/user-guide.md" "$root/docs/index.html"
echo "Pictures written to $images"
