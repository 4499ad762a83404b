# Sourced by the end-to-end scripts: a private Xvfb display and a private
# configuration directory, both removed at the end.
set -euo pipefail
XWIN=$1
BUILD=$2
WORK=$(mktemp -d)
export XDG_CONFIG_HOME=$WORK/config
mkdir -p "$XDG_CONFIG_HOME"
exec 3> "$WORK/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
cleanup() { kill "$XVFB_PID" 2>/dev/null || true; rm -rf "$WORK"; }
trap cleanup EXIT
for _ in $(seq 1 200); do
  [ -s "$WORK/display" ] && break
  sleep 0.05
done
[ -s "$WORK/display" ] || { echo "Xvfb did not start"; cat "$WORK/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$WORK/display")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 "$WORK/run"
fail() { echo "FAIL: $*"; exit 1; }
