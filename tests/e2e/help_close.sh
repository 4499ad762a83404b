# With a help page open, closing the main window ends the program within a
# second: the help window does not keep it running. At a scale of 2 the help
# window fits on the screen. Both games with help open it from the menu bar
# as a player does, at the places the menus have at that scale.
. "$(dirname "$0")/common.sh"
command -v xdotool >/dev/null || fail "xdotool is needed"
printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
export QT_SCALE_FACTOR=2

# program, window title, left of the help menu on the menu bar (logical pixels)
check() {
  local program=$1 title=$2 menu=$3 win= help= X Y WIDTH HEIGHT
  "$XWIN" --title "$title" --close --hold 6000 --timeout 20000 -- "$program" >"$WORK/$title.out" 2>&1 &
  local xwin=$!
  win=$(window "^$title\$") || fail "no $title window"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + 2 * menu)) $((Y + 16)) click 1
  sleep 0.3
  xdotool mousemove $((X + 2 * menu + 40)) $((Y + 62)) click 1 # Contents
  help=$(window "^$title Help\$") || fail "the help of $title did not open"
  eval "$(xdotool getwindowgeometry --shell "$help")"
  ((X >= 0 && Y >= 0 && X + WIDTH <= 1024 && Y + HEIGHT <= 768)) ||
    fail "the help of $title is ${WIDTH}x$HEIGHT at $X,$Y, off the 1024x768 screen"
  wait $xwin || fail "$title did not end with its main window: $(cat "$WORK/$title.out")"
  local ms
  ms=$(sed -n 's/.*end_ms=\([0-9]*\).*/\1/p' "$WORK/$title.out")
  [ -n "$ms" ] && [ "$ms" -le 1000 ] || fail "$title took ${ms:-?} ms to end after its window closed"
  echo "$title: help ${WIDTH}x$HEIGHT at $X,$Y; ended $ms ms after the close"
}
check "$BUILD/codebreaking/Pegora" Pegora 173
check "$BUILD/dice/Kubolo" Kubolo 154
