# Sourced by the guide's picture scripts that drive the real program under a
# virtual X server: the scratch folder, a throw-away mail server, the X
# server with openbox, and the windows and keys xdotool works with. Each
# script sets display and makes its own game and pictures.

# guide_work: makes the scratch folder ($work) and enters it; at exit the
# program, the X server and the mail server stop and the folder goes.
guide_work() {
  work="$(mktemp -d)"
  # The mail servers' own users (under root) read their files below.
  chmod 755 "$work"
  xvfb_pid="" wm_pid="" app_pid="" server_pid="" server_in=""
  trap guide_cleanup EXIT
  cd "$work"
}

guide_cleanup() {
  [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
  [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
  # Without the X server a waiting xdotool ends too.
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  guide_server_stop
  rm -rf "$work"
}

# guide_server LOG COMMAND...: starts a mail server that prints its port
# ($port) and runs until its standard input closes; its errors go to LOG.
guide_server() {
  local log="$1"
  shift
  mkfifo server-in
  "$@" < server-in > server-port 2> "$log" &
  server_pid=$!
  exec {server_in}>server-in
  for _ in $(seq 150); do [ -s server-port ] && break; sleep 0.2; done
  port="$(head -n1 server-port)"
  [ -n "$port" ] || { echo "the mail server did not start" >&2; exit 1; }
}

# guide_server_stop: closes the server's input and waits for it to end.
guide_server_stop() {
  [ -z "$server_in" ] || exec {server_in}>&-
  server_in=""
  [ -z "$server_pid" ] || wait "$server_pid" 2>/dev/null || true
  server_pid=""
}

# guide_display SIZE: the X server on $display at SIZE (e.g. 1400x960) with
# openbox managing its windows. Started after the mail server: neither
# holds its input open, so closing it stops the server.
guide_display() {
  Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp {server_in}>&- &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.2; done
  openbox --sm-disable {server_in}>&- >/dev/null 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.2; done
}

# guide_start COMMAND...: the program, run by the player (as_player) in the
# background ($app_pid) without the mail server's input; the one started
# before is stopped first.
guide_start() {
  [ -z "$app_pid" ] || { kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; }
  "$@" {server_in}>&- &
  app_pid=$!
}

# window TITLE: waits for the window, gives it the keyboard and prints its
# id; when none comes, the screen goes to GUIDE_DEBUG_SHOT.
window() {
  local id shot="${GUIDE_DEBUG_SHOT:-/tmp/guide-screen.png}"
  id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" {server_in}>&-)"
  id="${id%%$'\n'*}"
  if [ -z "$id" ]; then
    echo "no window \"$1\" appeared; the screen is in $shot" >&2
    import -window root "$shot"
    return 1
  fi
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  sleep 0.5
  echo "$id"
}
type_text() { xdotool type --delay 50 "$1"; }
keys() { xdotool key --delay 150 "$@"; }
# A menu key or shortcut for the main window ($main); the modifiers are let
# go after, or the next text would arrive as shortcuts.
command_keys() {
  xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
  keys "$@"
  xdotool keyup ctrl alt
}
