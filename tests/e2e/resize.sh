# Each game's board grows with its window: dragged to twice its size, or
# zoomed by Ctrl++, the pixels of one colour of the board (Pegora's red peg,
# Kubolo's white dice, Cartova's green table) cover about four times the area;
# Ctrl+0 brings the window back to the form's own size.
. "$(dirname "$0")/common.sh"
need xdotool import convert
# pixels <window> <colour>: how many pixels of the window have that colour.
pixels() {
  import -window "$1" "$WORK/shot.png" 2>/dev/null
  convert "$WORK/shot.png" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
# settled <window> <colour>: the count once the window has stopped changing.
settled() {
  local now previous=-1
  for _ in $(seq 1 30); do
    now=$(pixels "$1" "$2")
    [ "$now" = "$previous" ] && { echo "$now"; return; }
    previous=$now
    sleep 0.3
  done
  echo "$now"
}
size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p'; }
# grown <before> <after>: the area grew between three and five times.
grown() { (( $2 >= 3 * $1 && $2 <= 5 * $1 )); }

printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
for game in "codebreaking/Pegora:rgb(255,0,0)" "dice/Kubolo:rgb(255,255,255)" "poker/Cartova:rgb(0,128,0)"; do
  program=${game%%:*} colour=${game#*:} name=${program#*/}
  "$BUILD/$program" >"$WORK/$name.log" 2>&1 &
  pid=$!
  win=$(window "^$name\$") || fail "no $name window"
  own=$(size "$win") before=$(settled "$win" "$colour")
  ((before > 50)) || fail "$name: only $before pixels of $colour on the board"
  read -r w h < <(tr x ' ' <<<"$own")
  xdotool windowmove "$win" 0 0 # all of it on the screen at twice the size
  xdotool windowsize "$win" $((2 * w)) $((2 * h))
  sleep 1 # a sanitized build draws large cards slowly
  after=$(settled "$win" "$colour")
  grown "$before" "$after" || fail "$name: at twice the window, $before pixels of $colour became $after"
  echo "$name: dragged from $own to $(size "$win"): $before pixels of $colour became $after"

  xdotool windowsize "$win" "$w" "$h"
  sleep 0.5
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  for _ in 1 2 3; do xdotool key --window "$win" ctrl+plus; sleep 0.3; done # 1.25 cubed: about twice
  sleep 1
  zoomed=$(settled "$win" "$colour")
  grown "$before" "$zoomed" || fail "$name: Ctrl++ three times: $before pixels of $colour became $zoomed"
  xdotool key --window "$win" ctrl+0
  sleep 0.7
  [ "$(size "$win")" = "$own" ] || fail "$name: Ctrl+0 left the window at $(size "$win"), not $own"
  echo "$name: Ctrl++ three times: $zoomed pixels; Ctrl+0: back to $own"
  kill $pid
  wait $pid 2>/dev/null || true
done
