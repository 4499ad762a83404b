# Pegora starts, shows its board and ends cleanly when its window is closed.
. "$(dirname "$0")/common.sh"
out=$("$XWIN" --title Pegora --close --timeout 20000 -- "$BUILD/codebreaking/Pegora") || fail "xwin: $out"
echo "$out"
grep -q '^exit=0' <<<"$out" || fail "Pegora did not end cleanly"
