# Kubolo starts, shows its score sheet and ends cleanly when its window is closed.
. "$(dirname "$0")/common.sh"
need import
out=$("$XWIN" --title Kubolo --close --timeout 20000 --shot "$WORK/kubolo.png" -- "$BUILD/dice/Kubolo") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Kubolo did not end cleanly"
[ -s "$WORK/kubolo.png" ] || fail "no picture of the window"
