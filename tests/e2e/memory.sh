# A window dragged through 400 sizes, out and back, holds no more memory
# than a fresh run sized once to where the drag ended: the pictures of the
# sizes passed are let go. Run on a build without the sanitizers, whose
# allocator keeps what the program frees.
. "$(dirname "$0")/common.sh"
need xdotool
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$PID/status"; }
size() { xdotool windowsize "$WIN" "$1" "$2"; sleep 1; } # the drag at rest: its pictures go
for game in "codebreaking/Pegora Pegora" "dice/Kubolo Kubolo" "poker/Cartova Cartova"; do
  set -- $game
  printf '[Options]\nWelcomeBox=0\n' >"$XDG_CONFIG_HOME/Pegora.INI"
  start_game "$1" "$2"
  read -r width height < <(xdotool getwindowgeometry "$WIN" | awk '/Geometry/ { split($2, s, "x"); print s[1], s[2] }')
  for i in $(seq 0 399); do
    out=$((i < 200 ? i : 399 - i))
    xdotool windowsize "$WIN" $((width + 2 * out)) $((height + out))
    sleep 0.01
  done
  size $((width + 20)) $((height + 10))
  dragged=$(rss)
  end_game TERM "$2"
  start_game "$1" "$2"
  size $((width + 20)) $((height + 10))
  fresh=$(rss)
  end_game TERM "$2"
  echo "$2: $dragged kB after the drag, $fresh kB sized once"
  [ $((dragged - fresh)) -le 3072 ] || fail "$2 holds $((dragged - fresh)) kB more after the drag"
done
