# An install into any prefix, below DESTDIR, holds exactly the expected files,
# icons of the size their folder names, and programs its menu entries start.
. "$(dirname "$0")/../e2e/common.sh"
. "$(dirname "$0")/common.sh"
need cmake identify
# A prefix with a space, which the menu entries must quote.
prefix="/opt/pekuca games"
DESTDIR=$WORK/dest cmake --install "$BUILD" --prefix "$prefix" >"$WORK/install.log" 2>&1 \
  || fail "install: $(cat "$WORK/install.log")"
[ -z "$(ls -A "$WORK/dest" | grep -vx opt)" ] || fail "installed outside DESTDIR/prefix: $(ls "$WORK/dest")"
root=$WORK/dest$prefix
diff <(cd "$root" && find . -type f -printf '%P\n' | sort) <(sort "$FILES") \
  || fail "the installed files differ from $FILES (< installed, > expected)"
for png in "$root"/share/icons/hicolor/*/apps/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  [ "$(identify -format '%wx%h' "$png")" = "$size" ] || fail "$png is not $size"
done
start_games "$WORK/dest" "$prefix"
