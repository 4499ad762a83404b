# Cartova starts, shows its green table and ends cleanly when its window is closed.
. "$(dirname "$0")/common.sh"
shot=()
command -v import >/dev/null && shot=(--hold 300 --shot "$WORK/cartova.png")
out=$("$XWIN" --title Cartova --close --timeout 20000 "${shot[@]}" -- "$BUILD/poker/Cartova") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Cartova did not end cleanly"
if [ ${#shot[@]} -gt 0 ]; then
  green=$(convert "$WORK/cartova.png" -fill black +opaque 'rgb(0,128,0)' -fill white -opaque 'rgb(0,128,0)' \
          -format '%[fx:int(mean*w*h)]' info:)
  [ "$green" -gt 50000 ] || fail "the table is not on the screen ($green green pixels)"
fi
