# The Debian package (scripts/package.sh): CPack's DEB generator over the install rules, its
# dependencies computed by dpkg-shlibdeps from the binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvaro")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for Futoshiki puzzles (schemi)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvaro maintainers <maintainers@users.noreply.c-seed-6c2b24f8.example>")
# Not "games": Debian puts games in /usr/games, and this is a workbench with a command-line
# tool as much as a game.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Kelvaro opens, solves and prints Futoshiki puzzles, lets the player fill\n"
  "the grid by hand with notes, and explains every deduction of its solver\n"
  "in Italian, step by step, with a hint for the next logical step. It\n"
  "publishes a folder of puzzles as a small web site to play in the\n"
  "browser, produces new puzzles in batches by size, techniques and\n"
  "difficulty, and makes PDF booklets.\n"
  ".\n"
  "The package holds the window program kelvaro and its command-line\n"
  "companion kelvaro-cli. The user interface is in Italian.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
# The menu, the file type and the icon are refreshed by the interested packages' file triggers
# (desktop-file-utils, shared-mime-info, the hicolor icon cache, man-db); the package names
# the two it relies on.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
