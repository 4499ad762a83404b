# One Debian package with the three games: cpack -G DEB in the build folder.
# Its dependencies are read from the shared libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pekuca-games)
set(CPACK_PACKAGE_VENDOR "The Pekuca developers")
set(CPACK_PACKAGE_CONTACT "The Pekuca developers <games@pekuca.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three small desktop games: code-breaking, dice and video poker")
set(CPACK_PACKAGE_DESCRIPTION
    "Pegora, Kubolo and Cartova, each a program of its own for one player:
Pegora hides a row of coloured pegs for you to find in ten lines, Kubolo
is five dice rolled for thirteen turns on a score sheet of thirteen
categories, and Cartova is five-card draw video poker played for credits.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Text needs a font; the games draw every picture themselves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
