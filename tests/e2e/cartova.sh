# Cartova starts, shows its green table and ends cleanly when its window is closed.
. "$(dirname "$0")/common.sh"
need import convert
out=$("$XWIN" --title Cartova --close --timeout 20000 --hold 300 --shot "$WORK/cartova.png" -- "$BUILD/poker/Cartova") \
  || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Cartova did not end cleanly"
[ -s "$WORK/cartova.png" ] || fail "no picture of the window"
green=$(convert "$WORK/cartova.png" -fill black +opaque 'rgb(0,128,0)' -fill white -opaque 'rgb(0,128,0)' \
        -format '%[fx:int(mean*w*h)]' info:)
[ "$green" -gt 50000 ] || fail "the table is not on the screen ($green green pixels)"
