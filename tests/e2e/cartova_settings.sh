# Cartova keeps its options in cartova.ini: a first run creates the file and
# its close writes the three keys in order; a prepared file is read, and the
# close rewrites its keys in place and keeps everything else; choices made in
# the menus reach the file when the game is left by Game > Exit.
. "$(dirname "$0")/common.sh"
need import convert xdotool
ini=$XDG_CONFIG_HOME/cartova.ini
run() { # run <shot.png>: start Cartova, wait for its window, close it as a user would
  local out
  out=$("$XWIN" --title Cartova --close --timeout 20000 --hold 300 --shot "$1" -- "$BUILD/poker/Cartova") \
    || fail "xwin: $out"
  echo "$out"
  grep -q '^exit=0' <<<"$out" || fail "Cartova did not end cleanly"
}
# How many pixels of the screenshot have exactly this colour.
count() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:int(mean*w*h)]' info:; }

# First run: no file. Sound is on unless this machine has no sound device,
# in which case the first sound switches it off and it is saved off.
[ ! -e "$ini" ] || fail "a settings file before the first run"
run "$WORK/first.png"
[ -f "$ini" ] || fail "no cartova.ini after the first run"
grep -v '^$' "$ini" >"$WORK/got"
printf '[Options]\nSound=%s\nDeck=Beach\nBackground=Green\n' "$(sed -n 's/^Sound=\([01]\)$/\1/p' "$ini")" >"$WORK/want"
diff -u "$WORK/want" "$WORK/got" || fail "first run wrote something else"
grep -q '^Sound=[01]$' "$ini" || fail "no Sound key"

# A file damaged by hand: an unknown back and a colour in lower case give the
# Beach back and the gray table; the other section and the comment stay.
printf '; my table\n[Window]\nLeft=3\n[Options]\nSound=0\nDeck=Robot\nBackground=green\n' >"$ini"
run "$WORK/gray.png"
gray=$(count "$WORK/gray.png" 'rgb(128,128,128)')
[ "$gray" -gt 50000 ] || fail "the table is not gray ($gray pixels)"
grep -v '^$' "$ini" >"$WORK/got"
printf '; my table\n[Window]\nLeft=3\n[Options]\nSound=0\nDeck=Beach\nBackground=Gray\n' >"$WORK/want"
diff -u "$WORK/want" "$WORK/got" || fail "the damaged file was not mended as read"

# A file that already says what the game shows is left as it was.
printf '[Options]\nSound=0\nDeck=Std2\nBackground=Blue\n' >"$ini"
cp "$ini" "$WORK/want"
run "$WORK/blue.png"
blue=$(count "$WORK/blue.png" 'rgb(0,0,128)')
[ "$blue" -gt 50000 ] || fail "the table is not blue ($blue pixels)"
cmp -s "$WORK/want" "$ini" || fail "an unchanged file was rewritten"

"$BUILD/poker/Cartova" >"$WORK/play.log" 2>&1 &
game=$!
win=$(window '^Cartova$') || fail "no Cartova window to choose in"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
# Waits, a bounded while, until the screen shows the table in this colour.
await() {
  for _ in $(seq 1 50); do
    import -window root "$WORK/shot.png" 2>/dev/null
    [ "$(count "$WORK/shot.png" "$1")" -gt 50000 ] && return 0
    sleep 0.1
  done
  return 1
}
await 'rgb(0,0,128)' || fail "the blue table did not show"
xdotool key --delay 150 alt+o b r
await 'rgb(128,0,0)' || fail "Background > Red did not turn the table red"
xdotool key --delay 150 alt+o d f
sleep 0.3
xdotool key --delay 150 alt+g e
for _ in $(seq 1 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && { kill "$game"; fail "Game > Exit did not end Cartova"; }
wait "$game" || fail "Cartova did not end cleanly after Game > Exit"
printf '[Options]\nSound=0\nDeck=Fishes\nBackground=Red\n' >"$WORK/want"
grep -v '^$' "$ini" >"$WORK/got"
diff -u "$WORK/want" "$WORK/got" || fail "the menu choices did not reach the file"
echo "menu choices saved"
