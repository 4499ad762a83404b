# Kubolo played by keys alone, no pointer: thirteen turns of Space (roll) and
# Return (choose the category under the cursor) to the end-of-game dialog;
# its OK by Return, any dialog after it closed by Escape; the keyboard is then
# back on the main window (F2 and Space roll again), and Alt+G, E leaves,
# having recorded the game.
. "$(dirname "$0")/common.sh"
need xdotool import md5sum
"$BUILD/dice/Kubolo" >"$WORK/play.log" 2>&1 &
game=$!
win=$(window '^Kubolo$') || fail "no Kubolo window to play on"
# Waits until the main window has the keyboard.
focused() {
  for _ in $(seq 1 50); do [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && return 0; sleep 0.1; done
  return 1
}
focused || fail "Kubolo did not take the keyboard at start"
eval "$(xdotool getwindowgeometry --shell "$win")"
top=$((Y + HEIGHT - 284)) # the client area lies under the menu bar
dice() { import -window root -crop "284x32+$((X + 21))+$((top + 20))" "$WORK/dice.png" 2>/dev/null; md5sum <"$WORK/dice.png"; }
# Space, then the dice settle: two equal pictures in a row.
roll() {
  xdotool key space
  local previous= now
  for _ in $(seq 1 40); do
    sleep 0.2
    now=$(dice)
    [ "$now" = "$previous" ] && return 0
    previous=$now
  done
  return 1
}
ones=$(dice)
for turn in $(seq 1 13); do
  roll || fail "the dice did not settle in turn $turn"
  xdotool key Return
done
end=$(window '^End of game$') || fail "thirteen turns by keys did not end the game"
echo "thirteen turns played by keys: the end-of-game dialog is up"

# The dialogs by keys too, until the keyboard is back on the main window.
sleep 0.3
xdotool key Return
for _ in $(seq 1 5); do
  focused && break
  xdotool key Escape
done
focused || fail "the keyboard did not come back to Kubolo after the end of the game"
xdotool key F2
sleep 0.3
[ "$(dice)" = "$ones" ] || fail "F2 did not start a new game"
roll || fail "the dice did not settle after the new game"
[ "$(dice)" != "$ones" ] || roll || fail "the dice did not settle"
[ "$(dice)" != "$ones" ] || fail "Space did not roll after the end of the game"
echo "after the dialogs, F2 and Space work on the main window"

xdotool key alt+g
sleep 0.3
xdotool key e
for _ in $(seq 1 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && { kill $game; fail "Alt+G, E did not end Kubolo"; }
wait $game || fail "Kubolo ended with $?: $(cat "$WORK/play.log")"
INI=$(find "$XDG_CONFIG_HOME" -maxdepth 1 -iname kubolo.ini)
[ -n "$INI" ] && grep -qi '^totalGames=1' "$INI" || fail "the game played by keys was not recorded"
echo "left by Alt+G, E; the game is recorded"
