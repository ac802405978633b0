# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: exactly the installed tree under /usr, its dependencies found by
# dpkg-shlibdeps. `make package` builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tobrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "TOBRIX++ developers")
set(CPACK_PACKAGE_CONTACT ${TOBRIX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game of lining up coloured pieces")
# Debian shows the description as it stands, so its lines are kept short.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "TOBRIX++ is a single-player puzzle game on a board of square cells.\n"
    "Move a piece along a route of free cells: straight runs of one colour\n"
    "vanish and score, and new pieces arrive after every move that clears\n"
    "nothing. It has a one-level Undo, rewards for long runs, named players,\n"
    "a high-score table, and a choice of board size, run length and number\n"
    "of colours.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own catalogues: its stock buttons then speak the player's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS wx3.2-i18n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
