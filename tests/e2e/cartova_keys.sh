# Cartova played by keys alone (no pointer): Return on a bet of 0 brings the
# warning, Return closes it and the table has the keys again; + + - bet one
# credit; 1 keeps the first card and Return deals, hand after hand, until the
# "Total credits" line shows another number; Alt+G E leaves the game.
. "$(dirname "$0")/common.sh"
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null || fail "$tool is needed to play by keys"
done
"$BUILD/poker/Cartova" >"$WORK/play.log" 2>&1 &
game=$!
# A visible window of this exact title, waited for a bounded while.
window() {
  local id
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
win=$(window Cartova) || fail "no Cartova window"
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
# A part of the window as a picture signature: the "Total credits" line at
# the bottom left, the bet field at the bottom right, each with the part of
# the status line under it, which stays empty here.
look() { # look <gravity> <geometry>
  import -window "$win" "$WORK/shot.png" 2>/dev/null || return 1
  convert "$WORK/shot.png" -gravity "$1" -crop "$2" +repage "$WORK/part.png"
  convert "$WORK/part.png" -format '%#' info:
}
credits() { look SouthWest 215x60+0+0; }
bet() { look SouthEast 52x60+18+0; }
white() { convert "$WORK/part.png" -fill black +opaque white -fill white -opaque white -format '%[fx:int(mean*w*h)]' info:; }
sleep 0.5
start=$(credits) || fail "cannot look at the table"
[ "$(white)" -gt 30 ] || fail "no credits line where it should be"
nobet=$(bet) || fail "cannot look at the bet"

xdotool key Return
window Warning >/dev/null || fail "Return on a bet of 0 brought no warning"
sleep 0.3
xdotool key Return
for _ in $(seq 1 50); do xdotool search --onlyvisible --name '^Warning$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Warning$' >/dev/null 2>&1 && fail "Return did not close the warning"
sleep 0.3

xdotool key --delay 200 plus plus minus
for _ in $(seq 1 20); do [ "$(bet)" != "$nobet" ] && break; sleep 0.1; done
[ "$(bet)" != "$nobet" ] || fail "+ and - did not reach the bet after the warning"
changed=
for hand in $(seq 1 40); do
  xdotool key Return # the first deal
  sleep 0.6
  xdotool key --delay 150 1 Return # keep the first card, the second deal
  sleep 0.6
  now=$(credits) || fail "cannot look at the table"
  if [ "$now" != "$start" ]; then
    changed=$hand
    break
  fi
done
[ -n "$changed" ] || fail "the credits never changed in 40 hands played by keys"
echo "credits changed after $changed hands"
xdotool search --onlyvisible --name '^Confirm$' >/dev/null 2>&1 && fail "a bet of one credit ended the game"

xdotool key --delay 200 alt+g e
for _ in $(seq 1 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && { kill "$game"; fail "Game > Exit by keys did not end Cartova"; }
wait "$game" || { cat "$WORK/play.log"; fail "Cartova did not end cleanly"; }
[ -f "$XDG_CONFIG_HOME/cartova.ini" ] || fail "the options were not written at the close"
