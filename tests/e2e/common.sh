# Sourced by the end-to-end scripts: a private Xvfb display and a private
# home and configuration directory, all removed at the end. A missing tool
# fails the script: a game that was not played has not passed.
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
# need <tool>...: every tool the script uses, or a failure naming the missing ones.
need() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  [ ${#missing[@]} -eq 0 ] || fail "missing ${missing[*]}: install xvfb, xdotool and imagemagick (./run-tests does)"
}
need Xvfb
# window <title pattern>: the id of the first visible window so titled, once it shows (10 s at most).
window() {
  local id
  for _ in $(seq 1 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.05
  done
  return 1
}
XWIN=$1
BUILD=$2
[ -x "$XWIN" ] || fail "no window driver at '$XWIN'"
WORK=$(mktemp -d)
export HOME=$WORK/home XDG_CONFIG_HOME=$WORK/config
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
exec 3> "$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
cleanup() { kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$WORK"; }
trap cleanup EXIT
for _ in $(seq 1 200); do
  [ -s "$WORK/display" ] && break
  sleep 0.05
done
[ -s "$WORK/display" ] || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
export DISPLAY=:$(head -n1 "$WORK/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$WORK/run"
# start_game <program> <title>: the game running in the background, its window
# focused; PID is its process, WIN its window.
start_game() {
  "$BUILD/$1" >"$WORK/out" 2>&1 &
  PID=$!
  WIN=$(window "^$2\$") || fail "$2 did not show its window"
  xdotool windowfocus --sync "$WIN" 2>/dev/null || true
}
# end_game <signal> <what>: the game ends on the signal, with 0.
end_game() {
  kill -"$1" "$PID"
  local code=0
  wait "$PID" || code=$?
  [ $code -eq 0 ] || fail "$2: exit $code after SIG$1: $(cat "$WORK/out")"
}
