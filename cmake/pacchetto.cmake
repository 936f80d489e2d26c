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
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "workbench for Futoshiki puzzles (schemi)\n"
  "Kelvaro opens, solves and prints Futoshiki puzzles, lets the player fill the grid\n"
  "by hand with notes, and explains every deduction of its solver in Italian, step\n"
  "by step, with a hint for the next logical step. It publishes a folder of puzzles\n"
  "as a small web site to play in the browser, produces new puzzles in batches by\n"
  "size, techniques and difficulty, and makes PDF booklets.\n"
  ".\n"
  "The package holds the window program kelvaro and its command-line companion\n"
  "kelvaro-cli. The user interface is in Italian.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
# The menu, the file type and the icon are refreshed by the interested packages' file triggers
# (desktop-file-utils, shared-mime-info, the hicolor icon cache, man-db); the package names
# the two it relies on.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
