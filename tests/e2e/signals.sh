# A logout (SIGTERM), a closed terminal (SIGHUP) or Ctrl+C (SIGINT) ends
# each game as its window's close does: an option changed in the run is in
# the file, and the game is gone with 0. The same with a question open,
# whose answer is left untold, and with the welcome box open before the
# board is on the screen.
. "$(dirname "$0")/common.sh"
need xdotool

has() { grep -qx "$2" "$XDG_CONFIG_HOME/$1" || fail "$1 lacks $2 after $3: $(cat "$XDG_CONFIG_HOME/$1")"; }

for signal in TERM HUP INT; do
  printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  start_game codebreaking/Pegora Pegora
  xdotool key --delay 150 alt+o p # Peg Symbols on
  sleep 0.3
  end_game $signal "Pegora"
  has Pegora.INI Symbols=1 "SIG$signal"

  printf '[Options]\nRoll=1\n' >"$XDG_CONFIG_HOME/KUBOLO.INI"
  start_game dice/Kubolo Kubolo
  xdotool key --delay 150 alt+o r # Roll off
  sleep 0.3
  end_game $signal "Kubolo"
  has KUBOLO.INI Roll=0 "SIG$signal"

  rm -f "$XDG_CONFIG_HOME"/cartova.ini
  start_game poker/Cartova Cartova
  xdotool key --delay 150 alt+o b b # a blue table
  sleep 0.3
  end_game $signal "Cartova"
  has cartova.ini Background=Blue "SIG$signal"
done
echo "each game saved and ended with 0 on each signal"

# A question open: its answer is not taken, what the run changed is.
printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
start_game codebreaking/Pegora Pegora
xdotool key --delay 150 alt+o p alt+l 3 # Symbols on, then the level: a question
window '^Confirm$' >/dev/null || fail "Pegora asked nothing"
end_game TERM "Pegora asking"
has Pegora.INI Symbols=1 "SIGTERM with a question open"
has Pegora.INI 3colors=0 "SIGTERM with a question open"

printf '[Options]\nRoll=1\n' >"$XDG_CONFIG_HOME/KUBOLO.INI"
start_game dice/Kubolo Kubolo
xdotool key --delay 150 alt+o r h # Roll off, then a hint: the training question
window '^Confirm$' >/dev/null || fail "Kubolo asked nothing"
end_game INT "Kubolo asking"
has KUBOLO.INI Roll=0 "SIGINT with a question open"

# The welcome box of a first run, before the board is seen.
rm -f "$XDG_CONFIG_HOME/Pegora.INI"
"$BUILD/codebreaking/Pegora" >"$WORK/out" 2>&1 &
PID=$!
window '^Welcome$' >/dev/null || fail "no welcome box"
end_game HUP "Pegora greeting"
has Pegora.INI WelcomeBox=1 "SIGHUP with the welcome box open"
echo "questions and the welcome box left unanswered; the runs saved"
