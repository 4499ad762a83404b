# A first run greets the player before the board appears. Pegora then starts
# (greeting turned off), shows its board and ends cleanly when its window is
# closed. Then a line is played for real:
# four pegs dragged from the palette onto line 1, one from hole to hole, Check,
# then Game > Exit.
. "$(dirname "$0")/common.sh"
need xdotool import convert
out=$("$XWIN" --kill --timeout 20000 -- "$BUILD/codebreaking/Pegora") || fail "xwin: $out"
echo "first run: $out"
grep -q 'title=Welcome$' <<<"$out" || fail "a first run did not open with the welcome box"
printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
out=$("$XWIN" --title Pegora --close --timeout 20000 -- "$BUILD/codebreaking/Pegora") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Pegora did not end cleanly"

"$BUILD/codebreaking/Pegora" >"$WORK/play.log" 2>&1 &
game=$!
win=$(window '^Pegora$') || fail "no Pegora window to play on"
eval "$(xdotool getwindowgeometry --shell "$win")"
top=$((Y + HEIGHT - 239 - 34)) # the board lies under the menu bar, over the status line
at() { echo $((X + $1)) $((top + $2)); }
pixel() {
  import -window root "$WORK/shot.png" 2>/dev/null
  convert "$WORK/shot.png" -crop 1x1+$1+$2 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1
}
# Waits until the board pixel at x y shows the colour; the program may be slow.
await() {
  for _ in $(seq 1 40); do [ "$(pixel $(at $1 $2))" = "$3" ] && return 0; sleep 0.1; done
  return 1
}
drag() {
  xdotool mousemove $1 $2 mousedown 1; sleep 0.1
  xdotool mousemove $(($1 + 6)) $(($2 + 6)); sleep 0.1
  xdotool mousemove $3 $4; sleep 0.15
  xdotool mousemove $(($3 + 1)) $4; sleep 0.15
  xdotool mouseup 1
}
await 216 32 "#FF0000" || fail "the palette is not drawn"
# red, yellow, green, black into a1..a4
for peg in "216 32 41 #FF0000" "241 32 66 #FFFF00" "266 32 91 #008000" "266 52 116 #000000"; do
  read -r px py hx colour <<<"$peg"
  drag $(at $px $py) $(at $hx 32)
  await $hx 32 "$colour" || fail "the peg at $px,$py did not land in the hole at $hx"
done
# A hole is a source too: the red of a1 dragged over the black of a4.
drag $(at 41 32) $(at 116 32)
await 116 32 "#FF0000" || fail "the red peg of a1 did not land in a4"
xdotool mousemove $(at 228 93) click 1
# The blue marker moves to line 2 (or, once in 4096 games, line 1 has won and
# its marker is red).
for _ in $(seq 1 40); do
  m2=$(pixel $(at 14 52)); m1=$(pixel $(at 14 32))
  [ "$m2" = "#0000FF" ] || [ "$m1" = "#FF0000" ] && break
  sleep 0.1
done
[ "$m2" = "#0000FF" ] || [ "$m1" = "#FF0000" ] || fail "markers after Check: line 1 $m1, line 2 $m2"
echo "played a line: pegs dropped from the palette and a hole, checked, marker moved"
# Game > Exit, as a user leaves: the menu's own accelerator once it is open.
xdotool mousemove $(at 15 -9) click 1; sleep 0.3
xdotool key e
for _ in $(seq 1 100); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && { kill $game; fail "Game > Exit did not end Pegora"; }
wait $game || fail "Pegora ended with $?: $(cat "$WORK/play.log")"
echo "left by Game > Exit"
