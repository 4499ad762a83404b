# One copy of each game at a time: of two started at once, one ends at once
# with 0 and writes nothing, and a copy started later does the same; a first
# copy that hangs or is gone keeps no later copy from starting.
. "$(dirname "$0")/common.sh"
alive() { kill -0 "$1" 2>/dev/null; }
# Waits until the process ends, at most $2 seconds: code is then its exit
# code, or "running".
ended() {
  local i
  code=running
  for i in $(seq 1 $(($2 * 20))); do
    alive "$1" || { code=0; wait "$1" || code=$?; return; }
    sleep 0.05
  done
}

for game in codebreaking/Pegora dice/Kubolo poker/Cartova; do
  name=${game#*/}
  bin=$BUILD/$game
  "$bin" >"$WORK/a.log" 2>&1 & a=$!
  "$bin" >"$WORK/b.log" 2>&1 & b=$!
  # Whichever lost the lock asks the other to come forward and ends.
  for _ in $(seq 1 400); do alive $a && alive $b || break; sleep 0.05; done
  if alive $a; then first=$a second=$b; else first=$b second=$a; fi
  ended $second 1
  [ "$code" = 0 ] || fail "$name: of two copies started at once, the second ended with '$code'"
  sleep 1
  alive $first || fail "$name: the first copy ended too"
  before=$(cd "$XDG_CONFIG_HOME" && ls -l --time-style=full-iso && cat ./* 2>/dev/null | md5sum)

  "$bin" >"$WORK/c.log" 2>&1 & c=$!
  ended $c 20
  [ "$code" = 0 ] || fail "$name: a copy started later ended with '$code'"
  after=$(cd "$XDG_CONFIG_HOME" && ls -l --time-style=full-iso && cat ./* 2>/dev/null | md5sum)
  [ "$before" = "$after" ] || fail "$name: the second copy changed the settings folder: $before / $after"
  echo "$name: two at once and one later: one copy runs, the others ended with 0"

  # A first copy that does not answer: the next one starts all the same.
  kill -STOP $first
  "$bin" >"$WORK/d.log" 2>&1 & d=$!
  ended $d 8; [ "$code" = running ] || fail "$name: a hung first copy kept the next from starting: $(cat "$WORK/d.log")"
  kill -KILL $d $first
  wait $d $first 2>/dev/null || true

  # Its owner gone, the lock is stale and the next copy starts.
  "$bin" >"$WORK/e.log" 2>&1 & e=$!
  ended $e 4; [ "$code" = running ] || fail "$name: a stale lock kept the next copy from starting: $(cat "$WORK/e.log")"
  kill -KILL $e
  wait $e 2>/dev/null || true
  echo "$name: a hung first copy and a stale lock keep no copy from starting"
done
