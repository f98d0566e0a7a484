# `cpack -G DEB` in the build folder makes a Debian package of the game:
# the program in /usr/bin, its files in /usr/share/winpiruk, the launcher
# entry, the icons and the software-centre metadata. The libraries it needs
# come from its binary (shlibdeps); the sound font and the Japanese font
# are named here, since nothing links them.
set(CPACK_PACKAGE_NAME winpiruk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The winpiruk developers")
set(CPACK_PACKAGE_CONTACT "The winpiruk developers <winpiruk@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese shedding card game against three computer players")
# Debian's extended description: lines under 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Piruk is a single-player card game for the desktop: shed a 52-card deck\n"
       "against three computer players, match the top discard by rank or suit,\n"
       "play special cards that skip, reverse or make the next player draw, and\n"
       "call Piruk when your hand adds up to the card just discarded. Matches\n"
       "with scoring and settlement, fifty members with statistics and nearly\n"
       "every rule as an option.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${WINPIRUK_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What every Debian package carries in its documentation folder.
set(WINPIRUK_PACKAGE_DOC ${CMAKE_BINARY_DIR}/package-doc)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${WINPIRUK_PACKAGE_DOC}/copyright COPYONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${WINPIRUK_PACKAGE_DOC}/changelog @ONLY)
add_custom_command(
  OUTPUT ${WINPIRUK_PACKAGE_DOC}/changelog.gz
  COMMAND gzip -9 -n -c ${WINPIRUK_PACKAGE_DOC}/changelog > ${WINPIRUK_PACKAGE_DOC}/changelog.gz
  DEPENDS ${WINPIRUK_PACKAGE_DOC}/changelog
  VERBATIM)
add_custom_target(winpiruk_package_doc ALL DEPENDS ${WINPIRUK_PACKAGE_DOC}/changelog.gz)
install(FILES ${WINPIRUK_PACKAGE_DOC}/copyright ${WINPIRUK_PACKAGE_DOC}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/winpiruk)

# The manual page, and the games folder where Debian looks for a game: a
# link to the program, made only for an installation into /usr.
add_custom_command(
  OUTPUT ${WINPIRUK_PACKAGE_DOC}/winpiruk.6.gz
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/winpiruk.6 > ${WINPIRUK_PACKAGE_DOC}/winpiruk.6.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/winpiruk.6
  VERBATIM)
add_custom_target(winpiruk_manual_page ALL DEPENDS ${WINPIRUK_PACKAGE_DOC}/winpiruk.6.gz)
install(FILES ${WINPIRUK_PACKAGE_DOC}/winpiruk.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(CODE [[
  if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
    file(MAKE_DIRECTORY "$ENV{DESTDIR}/usr/games")
    file(CREATE_LINK ../bin/winpiruk "$ENV{DESTDIR}/usr/games/winpiruk" SYMBOLIC)
  endif()
]])

include(CPack)
