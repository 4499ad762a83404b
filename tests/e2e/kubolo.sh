# Kubolo starts, shows its score sheet and ends cleanly when its window is
# closed. Then a game is played for real: Roll changes the dice, and Game >
# Exit chosen while the dice tumble ends the program cleanly and writes the
# settings file.
. "$(dirname "$0")/common.sh"
need xdotool import
out=$("$XWIN" --title Kubolo --close --timeout 20000 --shot "$WORK/kubolo.png" -- "$BUILD/dice/Kubolo") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Kubolo did not end cleanly"
[ -s "$WORK/kubolo.png" ] || fail "no picture of the window"

ini() { find "$XDG_CONFIG_HOME" -maxdepth 1 -iname kubolo.ini; }
rm -f $(ini)
"$BUILD/dice/Kubolo" >"$WORK/play.log" 2>&1 &
game=$!
win=$(window '^Kubolo$') || fail "no Kubolo window to play on"
eval "$(xdotool getwindowgeometry --shell "$win")"
top=$((Y + HEIGHT - 284 - 34)) # the client area lies under the menu bar, over the two-line status line
at() { echo $((X + $1)) $((top + $2)); }
# The five dice, as one picture.
dice() { import -window root -crop "284x32+$((X + 21))+$((top + 20))" "$1" 2>/dev/null; }
# Rolls, then waits for the dice to settle: two equal pictures in a row.
roll_and_settle() {
  xdotool mousemove $(at 270 104) click 1
  local previous=
  for _ in $(seq 1 40); do
    sleep 0.2
    dice "$WORK/now.png"
    sum=$(md5sum <"$WORK/now.png")
    [ "$sum" = "$previous" ] && return 0
    previous=$sum
  done
  return 1
}
dice "$WORK/before.png"
before=$(md5sum <"$WORK/before.png")
changed=no
for _ in 1 2; do # five ones again happen once in 7776 rolls
  roll_and_settle || fail "the dice did not settle"
  [ "$(md5sum <"$WORK/now.png")" != "$before" ] && { changed=yes; break; }
done
[ $changed = yes ] || fail "Roll did not change the dice"
echo "rolled: the dice changed and settled"

# The last roll of the turn, and Game > Exit at once, while the dice tumble.
xdotool mousemove $(at 270 104) click 1 mousemove $(at 15 -9) click 1
sleep 0.2
xdotool key e
for _ in $(seq 1 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && { kill $game; fail "Game > Exit during a roll did not end Kubolo"; }
wait $game || fail "Kubolo ended with $?: $(cat "$WORK/play.log")"
INI=$(ini)
[ -n "$INI" ] && grep -qi '^Roll=1' "$INI" || fail "the close during a roll did not write the settings"
echo "left by Game > Exit during a roll; settings written"
