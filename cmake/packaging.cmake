# One Debian package with the three games: cpack -G DEB in the build folder.
# Its dependencies are read from the shared libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pekuca-games)
set(CPACK_PACKAGE_VENDOR "The Pekuca developers")
set(CPACK_PACKAGE_CONTACT "The Pekuca developers <games@pekuca.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three small desktop games: code-breaking, dice and video poker")
# Paragraphs apart by an empty line, as Debian's descriptions are.
set(CPACK_PACKAGE_DESCRIPTION
    "Pegora, Kubolo and Cartova are three small games for one player, each a
program of its own with a menu entry and a manual page. Their windows can
be resized, maximised and zoomed, and the board grows with them.

Pegora hides a row of three or four coloured pegs drawn from eight colours.
You have ten lines to find it; after each line you are told how many pegs
are the right colour in the right place, and how many more are a right
colour in a wrong place.

Kubolo is five dice rolled up to three times a turn for thirteen turns,
each turn scored in one of thirteen categories of a score sheet, with a
bonus for the left side of the sheet.

Cartova is five-card draw video poker: bet credits from a bank of 100, keep
some of the five cards dealt, draw the others once and be paid by a fixed
table.

Pegora and Kubolo keep their five best players and running statistics.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries read from the programs: a window needs one of Qt's
# platform plug-ins, and sound the ALSA library, which the games open at
# their first sound rather than link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libasound2, qt6-qpa-plugins | qt6-wayland")
# Text needs a font (the games draw every picture themselves); a Wayland
# desktop wants Qt's Wayland plug-in, or the games go through XWayland, and
# without an X server at all do not start; GNOME's colours, a dark scheme
# among them, reach Qt through its GTK theme; Qt's own translations give the
# standard buttons ("Yes", "Cancel") in the player's language; Japanese and
# Chinese need a font with their characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-wayland, qt6-gtk-platformtheme, qt6-translations-l10n, fonts-noto-cjk")
include(CPack)
