# Sourced by the guide's picture scripts, so the pictures show a player's
# paths (/home/player/Games/kestrel.kes), never a scratch folder's.

# player_home_check PATH...: the program sees another /home, so what it
# runs from must lie outside it.
player_home_check() {
  local path
  for path in "$@"; do
    case "$path/" in
      /home/*) echo "$path is below /home, which the pictures replace: use a checkout and build outside /home" >&2
               exit 1 ;;
    esac
  done
}

# as_player HOMES COMMAND...: sets PLAYER_COMMAND to run COMMAND in a mount
# namespace of its own (unshare) where the folder HOMES is /home, with
# /home/player as its home and working folder (PLAYER_CWD, when set,
# instead). Run "${PLAYER_COMMAND[@]}"; in the background its process id is
# the program's. Nothing is written below the real /home.
as_player() {
  PLAYER_COMMAND=(unshare --map-root-user --mount sh -c
    'mount --bind "$1" /home && cd "${PLAYER_CWD:-/home/player}" && shift &&
     HOME=/home/player XDG_CONFIG_HOME=/home/player/.config exec "$@"' sh "$@")
}
