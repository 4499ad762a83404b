#!/usr/bin/env bash
# Start-up to the first visible window, and peak memory, of one game against a
# bare Qt window (bench/barewindow.cpp), side by side under Xvfb:
#
#   bench/startup.sh Pegora|Kubolo|Cartova [runs] [--hint]
#
# Builds the optimised programs and the window probe in build-bench/, then
# starts the bare window and the game in turns, each with a fresh settings
# directory: half the runs bare first, half the game first. Each program is
# left idle 3 s after its window appears and then closed as a user would; its
# peak resident memory is read at the end. With --hint the game is asked for
# a hint (the keys a player would press) once its window is up, so the peak
# includes what the hint works out. Prints both medians and their ratio, and
# both peak memories and their difference.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:?usage: bench/startup.sh Pegora|Kubolo|Cartova [runs] [--hint]}
runs=${2:-21}
hint=${3:-}
case "${program,,}" in
  pegora) dir=codebreaking keys=(h Return) ;;
  kubolo) dir=dice keys=(h Return) ;;
  cartova) dir=poker keys=(plus Return h) ;;
  *) echo "unknown program $program"; exit 2 ;;
esac
[ -z "$hint" ] || [ "$hint" = --hint ] || { echo "unknown option $hint"; exit 2; }
[ -z "$hint" ] || command -v xdotool >/dev/null || { echo "--hint needs xdotool"; exit 2; }
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGAMES_TESTS=ON -DGAMES_BENCH=ON >/dev/null
cmake --build build-bench -j2 --target "$program" xwin barewindow >/dev/null
work=$(mktemp -d)
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
export QT_XCB_GL_INTEGRATION=none
mkdir -m 700 "$work/run"

bare_ms=() bare_kb=() game_ms=() game_kb=()
# One start of build-bench/<path>; appends its time and peak memory to the
# arrays named by $2 and $3.
start() {
  local path=$1 out
  export XDG_CONFIG_HOME=$work/config$RANDOM$RANDOM
  # The board, not the greeting a first run of Pegora opens with.
  mkdir -p "$XDG_CONFIG_HOME" && printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  if [ -n "$hint" ] && [ "$path" != bench/barewindow ]; then
    build-bench/tests/e2e/xwin --close --hold 3000 --timeout 20000 -- "build-bench/$path" >"$work/out" &
    local probe=$!
    for _ in $(seq 1 400); do grep -q '^window_ms=' "$work/out" 2>/dev/null && break; sleep 0.01; done
    sleep 0.5
    xdotool key --delay 300 "${keys[@]}"
    wait $probe
    out=$(cat "$work/out")
  else
    out=$(build-bench/tests/e2e/xwin --close --hold 3000 --timeout 20000 -- "build-bench/$path")
  fi
  local -n ms=$2 kb=$3
  ms+=("$(sed -n 's/^window_ms=\([0-9]*\).*/\1/p' <<<"$out")")
  kb+=("$(sed -n 's/.*maxrss_kb=\([0-9]*\).*/\1/p' <<<"$out")")
}
for i in $(seq 1 "$runs"); do
  if (( i % 2 )); then
    start bench/barewindow bare_ms bare_kb
    start "$dir/$program" game_ms game_kb
  else
    start "$dir/$program" game_ms game_kb
    start bench/barewindow bare_ms bare_kb
  fi
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
range() { printf '%s\n' "$@" | sort -n | awk 'NR==1{lo=$1} {hi=$1} END {print lo "-" hi}'; }
bm=$(median "${bare_ms[@]}") gm=$(median "${game_ms[@]}")
bk=$(median "${bare_kb[@]}") gk=$(median "${game_kb[@]}")
echo "bare window: first window median $bm ms (range $(range "${bare_ms[@]}")), peak memory median $bk kB"
echo "$program${hint:+ (hint asked)}: first window median $gm ms (range $(range "${game_ms[@]}")), peak memory median $gk kB"
awk -v g="$gm" -v b="$bm" -v gk="$gk" -v bk="$bk" -v n="$runs" -v p="$program" 'BEGIN {
  printf "%s against the bare window, %d runs each: start ratio %.2f, peak memory %+.1f MB\n", p, n, g / b, (gk - bk) / 1024 }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
