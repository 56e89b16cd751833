# Sourced by the guide's screenshot scripts, which set root (the source
# tree) and cli (kestrane-cli) and work in a scratch folder.

# game NAME N: NAME.kes, a new game holding the first N mails of the sample
# game, each imported from a copy (importing rewrites the report file).
game() {
  rm -f "$1.kes"
  "$cli" --install-dir "$root/data" new Standard "$1.kes"
  local i=0
  for mail in "$root"/data/samples/[1-5]-*.txt; do
    i=$((i + 1))
    [ "$i" -le "$2" ] || break
    cp "$mail" report.txt
    "$cli" --install-dir "$root/data" import "$1.kes" report.txt
  done
}

# kestrel_game NAME N: NAME.kes, a new game holding the first N mails of the
# whole real game kestrel (the game start and its results in the order the
# Judge sent them), from judge-games/kestrel beside the repository or from
# KESTREL_MAILS.
kestrel_game() {
  local mails="${KESTREL_MAILS:-$root/../shared/judge-games/kestrel}"
  [ -d "$mails" ] || { echo "no kestrel mails in $mails (set KESTREL_MAILS)" >&2; exit 1; }
  rm -f "$1.kes"
  "$cli" --install-dir "$root/data" new Standard "$1.kes"
  local i=0
  for mail in "$mails"/[0-9][0-9]-*.txt; do
    case "$mail" in */99-*) continue ;; esac
    i=$((i + 1))
    [ "$i" -le "$2" ] || break
    cp "$mail" report.txt
    "$cli" --install-dir "$root/data" import "$1.kes" report.txt
  done
}
