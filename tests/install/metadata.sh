# The software-centre metadata and manual pages pass the desktop's own
# checkers without a warning (the menu entries, written by the install, are
# checked where they are installed).
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
for tool in appstreamcli man; do
  command -v "$tool" >/dev/null || fail "missing $tool: install appstream and man-db (./run-tests does)"
done
BUILD=$1/desktop
VERSION=$2
declare -A settings=([Pegora]=Pegora.INI [Kubolo]=KUBOLO.INI [Cartova]=cartova.ini)
for game in Pegora Kubolo Cartova; do
  id=org.pekuca.$game
  out=$(appstreamcli validate --no-net "$BUILD/$id.metainfo.xml" 2>&1) || fail "$id.metainfo.xml: $out"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$BUILD/$id.metainfo.xml" \
    || fail "$id.metainfo.xml does not launch $id.desktop"
  grep -q "<release version=\"$VERSION\"" "$BUILD/$id.metainfo.xml" || fail "$id.metainfo.xml has no release $VERSION"
  page=$BUILD/${game,,}.6
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man ${game,,}: $warnings"
  [ -z "$warnings" ] || fail "man ${game,,}: $warnings"
  text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
  for section in NAME SYNOPSIS DESCRIPTION KEYS FILES; do
    grep -q "^$section" <<<"$text" || fail "man ${game,,} has no $section"
  done
  grep -q "XDG_CONFIG_HOME/${settings[$game]}" <<<"$text" || fail "man ${game,,} does not name ${settings[$game]}"
  # The page in each language, as man reads it there, without a warning either.
  for page in "$BUILD"/*/"${game,,}".6; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man $page: $warnings"
    [ -z "$warnings" ] || fail "man $page: $warnings"
    grep -q "${settings[$game]}" "$page" || fail "$page does not name ${settings[$game]}"
  done
done
echo "3 metainfo files and 3 manual pages pass"
