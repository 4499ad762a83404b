# Pegora's settings file, end to end: a prepared Pegora.INI is read at start
# and written back at the close, every key in its order, with the rest of the
# file kept; a first run with no file creates it and the close writes all 25
# keys; a second run writes back what the first left.
. "$(dirname "$0")/common.sh"
need xdotool
INI=$XDG_CONFIG_HOME/Pegora.INI
keys() { grep -v '^;' "$1" | grep '=' || true; }

# Starts Pegora and closes its board as a user would. A welcome box shown
# before the board (a first run) is sent away with Escape, which leaves its
# flag as it was.
run_pegora() {
  "$XWIN" --title Pegora --close --timeout 30000 -- "$BUILD/codebreaking/Pegora" >"$WORK/xwin.out" 2>&1 &
  local probe=$! welcome= told=
  while kill -0 $probe 2>/dev/null; do
    # Until it is gone: a key sent before the box can take it is lost.
    welcome=$(xdotool search --onlyvisible --name '^Welcome$' 2>/dev/null | head -n1) || true
    if [ -n "$welcome" ]; then
      xdotool windowfocus --sync "$welcome" 2>/dev/null || true
      xdotool key Escape
      [ -n "$told" ] || echo "welcome box sent away"
      told=1
      sleep 0.3
    fi
    sleep 0.1
  done
  wait $probe || fail "xwin: $(cat "$WORK/xwin.out")"
  cat "$WORK/xwin.out"
  grep -q '^exit=0' "$WORK/xwin.out" || fail "Pegora did not end cleanly"
}

# 1. A prepared file: every value away from its default, a total beyond 16
# bits, a missing key, a comment and a section of someone else's.
cat >"$INI" <<'INI'
; kept by hand
[Players]
Player1=Ada Lark
Guess1=3
Sec1=61
Player2=Bo Finch
Guess2=4
Sec2=20
Player3=Cy Moor
Guess3=4
Sec3=90
Player4=Di Rowe
Guess4=6
Sec4=15
Player5=Ed Vale
Guess5=9
Sec5=300
[Statistics]
secMean=150
guessMean=18
gameMean=40000
noendMean=-5
[Options]
Sound=1
Single=1
3colors=0
WelcomeBox=0
[Elsewhere]
colour=blue
INI
run_pegora
expected='Player1=Ada Lark
Guess1=3
Sec1=61
Player2=Bo Finch
Guess2=4
Sec2=20
Player3=Cy Moor
Guess3=4
Sec3=90
Player4=Di Rowe
Guess4=6
Sec4=15
Player5=Ed Vale
Guess5=9
Sec5=300
wow=Hi, guys !
secMean=150
guessMean=18
gameMean=32767
noendMean=-5
Sound=1
Single=1
3colors=0
WelcomeBox=0
Symbols=0
colour=blue'
got=$(keys "$INI")
[ "$got" = "$expected" ] || fail "the prepared file came back as:
$got"
grep -q '^; kept by hand' "$INI" || fail "the comment was lost"
echo "prepared file: 25 keys written back in order, the rest kept"

# 2. First run: no file. It is created, and the close writes every default.
rm -f "$INI"
run_pegora
[ -f "$INI" ] || fail "no Pegora.INI after the first run"
defaults='Player1=Orin Vasco
Guess1=4
Sec1=100
Player2=Tema Ludd
Guess2=5
Sec2=100
Player3=Corvin Ashe
Guess3=6
Sec3=100
Player4=Ilsa Brandt
Guess4=7
Sec4=100
Player5=Nestor Quill
Guess5=8
Sec5=100
wow=Hi, guys !
secMean=0
guessMean=0
gameMean=0
noendMean=0
Sound=1
Single=0
3colors=0
WelcomeBox=1
Symbols=0'
got=$(keys "$INI")
[ "$got" = "$defaults" ] || fail "the first run wrote:
$got"
echo "first run: the file was created and holds the 25 defaults"

# 3. A second run writes back what the first left.
cp "$INI" "$WORK/first.ini"
run_pegora
cmp -s "$INI" "$WORK/first.ini" || fail "the second run changed the file: $(diff "$WORK/first.ini" "$INI")"
echo "second run: the file is as the first run left it"
