# Sourced by the install tests after tests/e2e/common.sh (a private Xvfb,
# home and configuration directory).
FILES=$(dirname "$0")/files.txt
GAMES=(Pegora Kubolo Cartova)

need desktop-file-validate

# start_games <root> <prefix>: each game started as its menu entry, installed
# below <root> for <prefix>, starts it. The entry passes the desktop's
# checker and names the program by its full path, <prefix>/games/<name>,
# whatever the path; the program there shows its window and closes cleanly.
start_games() {
  local root=$1 prefix=$2 game entry program exec out
  # The board, not the greeting of a first run.
  printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  for game in "${GAMES[@]}"; do
    entry=$root$prefix/share/applications/org.pekuca.$game.desktop
    out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ] || fail "the menu entry of $game: $out"
    program=$prefix/games/${game,,}
    exec=$program
    [[ $program != *" "* ]] || exec="\"$program\""
    [ "$(sed -n 's/^Exec=//p' "$entry")" = "$exec" ] && [ "$(sed -n 's/^TryExec=//p' "$entry")" = "$program" ] \
      || fail "the menu entry of $game does not start $program: $(grep Exec= "$entry")"
    out=$("$XWIN" --title "$game" --close --timeout 20000 -- "$root$program") \
      || fail "$game from $prefix: $out"
    grep -q '^exit=0' <<<"$out" || fail "$game from $prefix did not end cleanly: $out"
    echo "$game from $program: $out"
  done
}
