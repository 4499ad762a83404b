# Pegora starts, shows its board and ends cleanly when its window is closed.
# With xdotool and ImageMagick at hand, a peg line is also played for real:
# four pegs dragged from the palette onto line 1, then Check.
. "$(dirname "$0")/common.sh"
out=$("$XWIN" --title Pegora --close --timeout 20000 -- "$BUILD/codebreaking/Pegora") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Pegora did not end cleanly"

command -v xdotool >/dev/null && command -v convert >/dev/null || { echo "no xdotool/convert: play skipped"; exit 0; }

"$XWIN" --title Pegora --close --timeout 20000 --hold 6000 --shot "$WORK/board.png" \
  -- "$BUILD/codebreaking/Pegora" >"$WORK/play.out" 2>&1 &
probe=$!
win=
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name '^Pegora$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no Pegora window to play on"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$win")"
# The board starts under the menu bar: find it from the window's height.
top=$((Y + HEIGHT - 239))
at() { echo $((X + $1)) $((top + $2)); }
drag() {
  xdotool mousemove $1 $2 mousedown 1; sleep 0.1
  xdotool mousemove $(($1 + 6)) $(($2 + 6)); sleep 0.1
  xdotool mousemove $3 $4; sleep 0.15
  xdotool mousemove $(($3 + 1)) $4; sleep 0.15
  xdotool mouseup 1; sleep 0.2
}
# red, yellow, green, black into a1..a4
drag $(at 216 32) $(at 41 32)
drag $(at 241 32) $(at 66 32)
drag $(at 266 32) $(at 91 32)
drag $(at 266 52) $(at 116 32)
xdotool mousemove $(at 228 93) click 1
wait $probe || fail "xwin: $(cat "$WORK/play.out")"
cat "$WORK/play.out"
grep -q '^exit=0' "$WORK/play.out" || fail "Pegora did not end cleanly after a line"
pixel() { convert "$WORK/board.png" -crop 1x1+$1+$2 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
read -r x y < <(at 41 32);  [ "$(pixel $x $y)" = "#FF0000" ] || fail "a1 is $(pixel $x $y), not red"
read -r x y < <(at 116 32); [ "$(pixel $x $y)" = "#000000" ] || fail "a4 is $(pixel $x $y), not black"
# After Check the blue marker has moved to line 2 (or, once in 4096 games,
# line 1 has won and its marker is red).
read -r x y < <(at 14 52); m2=$(pixel $x $y)
read -r x y < <(at 14 32); m1=$(pixel $x $y)
[ "$m2" = "#0000FF" ] || [ "$m1" = "#FF0000" ] || fail "markers after Check: line 1 $m1, line 2 $m2"
echo "played a line: pegs dropped, checked, marker on line 2"
