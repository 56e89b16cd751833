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
