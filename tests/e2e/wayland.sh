# Each game's window under a Wayland compositor (headless): maximised and
# restored with its board following, and a dialog maximised and restored;
# the compositor ends a program whose window disagrees with it, so getting
# through is the test.
. "$(dirname "$0")/common.sh"
need weston
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  fail "the Qt Wayland platform plug-in is missing: install qt6-wayland (./run-tests does)"
weston --backend=headless-backend.so --socket=wayland-e2e --idle-time=0 --width=1280 --height=1024 \
  >"$WORK/weston.log" 2>&1 &
WESTON_PID=$!
trap 'kill $WESTON_PID 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 1 200); do [ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] && break; sleep 0.05; done
[ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] || fail "weston did not start: $(cat "$WORK/weston.log")"
# The test programs keep a runtime folder of their own: the socket is named in full.
for suite in codebreaking:Pegora dice:Kubolo poker:Cartova; do
  program=$BUILD/tests/test_${suite%%:*}
  WAYLAND_DISPLAY=$XDG_RUNTIME_DIR/wayland-e2e QT_QPA_PLATFORM=wayland \
    "$program" -only "${suite##*:}Window" >"$WORK/out.log" 2>&1 ||
    fail "${suite##*:} under Wayland: $(tail -5 "$WORK/out.log")"
  grep -q 'Totals: [1-9][0-9]* passed, 0 failed' "$WORK/out.log" || fail "${suite##*:}: $(tail -3 "$WORK/out.log")"
  echo "${suite##*:}: maximised, restored and a dialog maximised under Wayland"
done
