# Sourced by the install tests after tests/e2e/common.sh (a private Xvfb,
# home and configuration directory).
FILES=$(dirname "$0")/files.txt
GAMES=(Pegora Kubolo Cartova)

# start_games <prefix>: each game started as its menu entry starts it, with
# <prefix>/bin first on the path; its window must appear and close cleanly.
start_games() {
  local prefix=$1 game entry exec out
  # The board, not the greeting of a first run.
  printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  for game in "${GAMES[@]}"; do
    entry=$prefix/share/applications/org.pekuca.$game.desktop
    exec=$(sed -n 's/^Exec=//p' "$entry")
    [ "$(PATH=$prefix/bin:$PATH command -v "$exec")" = "$prefix/bin/$exec" ] \
      || fail "the menu entry of $game does not start $prefix/bin/$exec"
    out=$(PATH=$prefix/bin:$PATH "$XWIN" --title "$game" --close --timeout 20000 -- "$exec") \
      || fail "$game from $prefix: $out"
    grep -q '^exit=0' <<<"$out" || fail "$game from $prefix did not end cleanly: $out"
    echo "$game from $prefix/bin: $out"
  done
}
