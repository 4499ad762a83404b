# Kubolo's settings file, end to end: a prepared file is read at start and
# written back at the close, all sixteen keys in their order, with the rest of
# the file kept; a first run with no file creates it at start and the close
# writes every key with its default; a second run writes back what the first
# left.
. "$(dirname "$0")/common.sh"
need xdotool
INI=$XDG_CONFIG_HOME/Kubolo.ini
keys() { grep -v '^;' "$1" | grep '=' || true; }

# Starts Kubolo and closes its window as a user would; meanwhile notes
# whether the settings file is already there while the window is up.
run_kubolo() {
  "$XWIN" --title Kubolo --close --hold 300 --timeout 30000 -- "$BUILD/dice/Kubolo" >"$WORK/xwin.out" 2>&1 &
  local probe=$! box
  seen_while_running=no
  told=no
  while kill -0 $probe 2>/dev/null; do
    if grep -q "^window_ms=" "$WORK/xwin.out" 2>/dev/null && [ -e "$INI" ]; then
      seen_while_running=yes
    fi
    # A value that is no number is told about before the window shows.
    box=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -n1) || true
    if [ -n "$box" ]; then
      xdotool windowfocus --sync "$box" 2>/dev/null || true
      xdotool key Return
      told=yes
      sleep 0.3
    fi
    sleep 0.05
  done
  wait $probe || fail "xwin: $(cat "$WORK/xwin.out")"
  cat "$WORK/xwin.out"
  grep -q '^exit=0' "$WORK/xwin.out" || fail "Kubolo did not end cleanly"
}

# 1. A prepared file under another spelling of its name: every value away
# from its default, a total past 16 bits, a total that is no number, a
# comment and a section of someone else's.
cat >"$INI" <<'INI'
; kept by hand
[players]
Player1=Zed Arrow
Score1=410
Player2=Yva Bell
Score2=390
Player3=Xio Crane
Score3=380
Player4=Wim Dale
Score4=201
Player5=Val Eske
Score5=199
Wow=Hold the sixes
[Statistics]
totalGames=40000
totalPoints=9000000
totalKubolo=many
[Options]
Sound=0
Roll=0
[Elsewhere]
colour=blue
INI
run_kubolo
expected='Player1=Zed Arrow
Score1=410
Player2=Yva Bell
Score2=390
Player3=Xio Crane
Score3=380
Player4=Wim Dale
Score4=201
Player5=Val Eske
Score5=199
Wow=Hold the sixes
totalGames=40000
totalPoints=9000000
totalKubolo=0
Sound=0
Roll=0
colour=blue'
[ "$told" = yes ] || fail "the total that is no number was not told about"
[ "$(keys "$INI")" = "$expected" ] || fail "prepared file written back as: $(cat "$INI")"
grep -q '^; kept by hand' "$INI" || fail "the comment was lost"
[ "$(ls "$XDG_CONFIG_HOME")" = "Kubolo.ini" ] || fail "a second settings file appeared: $(ls "$XDG_CONFIG_HOME")"
echo "prepared file: ok"

# 2. A first run: no file. It is made at start and the close writes every key.
rm -f "$INI"
INI=$XDG_CONFIG_HOME/KUBOLO.INI
run_kubolo
[ "$seen_while_running" = yes ] || fail "no settings file while the window was up"
defaults='Player1=K. Ardell
Score1=300
Player2=M. de Sorbin
Score2=275
Player3=R.T. de Lavoie
Score3=250
Player4=E.V. Halloran
Score4=225
Player5=D. Quennel
Score5=200
Wow=Hi, guys !
totalGames=0
totalPoints=0
totalKubolo=0
Sound=1
Roll=1'
[ -f "$INI" ] || fail "no KUBOLO.INI after the first run: $(ls "$XDG_CONFIG_HOME")"
[ "$(keys "$INI")" = "$defaults" ] || fail "first run wrote: $(cat "$INI")"
[ "$(grep '^\[' "$INI" | tr '\n' ' ')" = "[Players] [Statistics] [Options] " ] || fail "sections: $(cat "$INI")"
echo "first run: ok"

# 3. A second run writes back what the first left.
cp "$INI" "$WORK/first.ini"
run_kubolo
[ "$(keys "$INI")" = "$(keys "$WORK/first.ini")" ] || fail "second run wrote: $(cat "$INI")"
echo "second run: ok"
