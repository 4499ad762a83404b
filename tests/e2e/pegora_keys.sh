# Pegora played to its end by keys alone (no pointer): ten lines typed as
# palette numbers and checked with Return, until a win or "Sorry, too many
# guesses."; every dialog answered by Return; then the board has the keys
# again: F2 starts a new game, 2 puts red in its first hole, Alt+G E leaves.
. "$(dirname "$0")/common.sh"
need xdotool import convert
printf '[Options]\nWelcomeBox=0\nSound=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
"$BUILD/codebreaking/Pegora" >"$WORK/play.log" 2>&1 &
game=$!
# The program's windows on the screen: the board alone, or a dialog over it.
windows() { xdotool search --onlyvisible --pid "$game" 2>/dev/null | wc -l; }
win=$(window '^Pegora$') || fail "no Pegora window to play on"
# The pointer stays out of the way: with no window manager, keys could go to
# whatever lies under it.
xdotool mousemove 0 0
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
eval "$(xdotool getwindowgeometry --shell "$win")"
alone=$(windows)
top=$((Y + HEIGHT - 239 - 34)) # the board lies under the menu bar, over the status line
pixel() {
  import -window root "$WORK/shot.png" 2>/dev/null
  convert "$WORK/shot.png" -crop 1x1+$((X + $1))+$((top + $2)) -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
sleep 0.5
ended=
for line in $(seq 1 10); do
  # Four different colours a line, a new set each time.
  keys=()
  for i in 0 1 2 3; do keys+=($(((line + i) % 8 + 1))); done
  xdotool key --delay 80 "${keys[@]}" Return
  for _ in $(seq 1 50); do
    [ "$(windows)" -gt "$alone" ] && { ended=$line; break 2; }
    [ "$line" -lt 10 ] && [ "$(pixel 14 $((32 + 20 * line)))" = "#0000FF" ] && break
    sleep 0.1
  done
  [ "$line" -lt 10 ] && [ "$(pixel 14 $((32 + 20 * line)))" != "#0000FF" ] && fail "line $line was not checked by keys"
done
[ -n "$ended" ] || fail "ten lines played by keys and no end of game"
echo "the game ended on line $ended"
# The end of game, and after a win the name and the best players, each answered by Return.
for _ in $(seq 1 8); do
  [ "$(windows)" -gt "$alone" ] || break
  sleep 0.4
  xdotool key Return
  sleep 0.4
done
[ "$(windows)" -eq "$alone" ] || fail "the dialogs at the end did not close by keys"
sleep 0.3
[ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] || fail "the board did not get the keys back after the dialogs"
xdotool key F2
sleep 0.3
xdotool key 2
for _ in $(seq 1 30); do [ "$(pixel 41 32)" = "#FF0000" ] && break; sleep 0.1; done
[ "$(pixel 41 32)" = "#FF0000" ] || fail "after the dialogs, F2 and 2 did not put red in the new game's first hole"
[ "$(pixel 14 52)" = "#FFFF00" ] || fail "F2 did not start a new game on line 1"
xdotool key --delay 200 alt+g e
for _ in $(seq 1 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && { kill $game; fail "Game > Exit by keys did not end Pegora"; }
wait $game || fail "Pegora ended with $?: $(cat "$WORK/play.log")"
grep -q '^gameMean=1' "$XDG_CONFIG_HOME/Pegora.INI" || fail "the game played by keys was not counted"
echo "a whole game by keys, the dialogs by keys, the board back, left by keys"
