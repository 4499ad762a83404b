# The Debian package holds exactly the expected files below /usr, takes its
# dependencies from the libraries the programs link and recommends Qt's
# Wayland plug-in, passes Debian's own checker without a remark, and the
# programs it unpacks start from its menu entries.
. "$(dirname "$0")/../e2e/common.sh"
. "$(dirname "$0")/common.sh"
need cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog file lintian
(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/deb") >"$WORK/cpack.log" 2>&1 \
  || fail "cpack: $(cat "$WORK/cpack.log")"
debs=("$WORK"/deb/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -s "${debs[0]}" ] || fail "not one package: ${debs[*]}"
deb=${debs[0]}
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "the dependencies were not read from the libraries: $depends"
grep -qw 'qt6-wayland' <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "qt6-wayland is not recommended"
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | sort) <(sort "$FILES") \
  || fail "the package's files differ from $FILES (< packaged, > expected)"
# Not even an info line: a program built without BIND_NOW, or stripped as
# Debian does not strip, shows as one. A build without _FORTIFY_SOURCE says
# in its overrides why no checked string or memory call is linked.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" >"$WORK/lintian.log" 2>&1 \
  || fail "lintian: $(cat "$WORK/lintian.log")"
grep '^[A-Z]:' "$WORK/lintian.log" || echo "lintian: nothing to say"
dpkg-deb -x "$deb" "$WORK/x"
zcat "$WORK/x/usr/share/doc/pekuca-games/changelog.gz" >"$WORK/changelog"
[ "$(dpkg-parsechangelog -l "$WORK/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] \
  || fail "the changelog's last entry is not the package's version"
start_games "$WORK/x" /usr
