# The Debian package holds exactly the expected files below /usr, takes its
# dependencies from the libraries the programs link, and the programs it
# unpacks start.
. "$(dirname "$0")/../e2e/common.sh"
. "$(dirname "$0")/common.sh"
need cpack dpkg-deb dpkg-shlibdeps file
(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/deb") >"$WORK/cpack.log" 2>&1 \
  || fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/deb/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -s "${debs[0]}" ] || fail "not one package: ${debs[*]}"
deb=${debs[0]}
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "the dependencies were not read from the libraries: $depends"
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort) <(sort "$FILES") \
  || fail "the package's files differ from $FILES (< packaged, > expected)"
dpkg-deb -x "$deb" "$WORK/x"
start_games "$WORK/x/usr"
