#!/usr/bin/env bash
# Start-up to the first visible window, and peak memory, of one program under
# Xvfb: ./bench/startup.sh Pegora [runs]. Builds the optimised program and the
# window probe in build-bench/, runs the program N times with a fresh settings
# directory, and prints the median and the spread.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:?usage: bench/startup.sh Pegora|Kubolo|Cartova [runs]}
runs=${2:-21}
case "${program,,}" in
  pegora) dir=codebreaking ;; kubolo) dir=dice ;; cartova) dir=poker ;;
  *) echo "unknown program $program"; exit 2 ;;
esac
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGAMES_TESTS=ON -DGAMES_BENCH=ON >/dev/null
cmake --build build-bench -j2 --target "$program" xwin >/dev/null
work=$(mktemp -d)
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$work/run"
ms=() kb=()
for i in $(seq 1 "$runs"); do
  export XDG_CONFIG_HOME=$work/config$i
  # The board, not the greeting a first run of Pegora opens with.
  mkdir -p "$XDG_CONFIG_HOME" && printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  out=$(build-bench/tests/e2e/xwin --close --timeout 20000 -- "build-bench/$dir/$program")
  ms+=("$(sed -n 's/^window_ms=\([0-9]*\).*/\1/p' <<<"$out")")
  kb+=("$(sed -n 's/.*maxrss_kb=\([0-9]*\).*/\1/p' <<<"$out")")
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
range() { printf '%s\n' "$@" | sort -n | awk 'NR==1{lo=$1} {hi=$1} END {print lo "-" hi}'; }
echo "$program: first window median $(median "${ms[@]}") ms (range $(range "${ms[@]}") ms, $runs runs);" \
     "peak memory median $(( $(median "${kb[@]}") / 1024 )) MB (range $(range "${kb[@]}") kB)"
