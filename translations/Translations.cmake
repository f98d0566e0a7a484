# The program's English: translations/winpiruk_en.ts, written by
# scripts/update-translations and filled by hand, is compiled at build time
# and built into the windows' library as the resource :/i18n/winpiruk_en.qm,
# so the program finds it wherever it runs from. Japanese is the source
# language and needs no file.

# Debian's qt6-l10n-tools puts the tools beside Qt's other programs and has
# no CMake package for them.
find_program(WINPIRUK_LRELEASE NAMES lrelease lrelease-qt6
  HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
        "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}")
if(NOT WINPIRUK_LRELEASE)
  message(FATAL_ERROR "lrelease not found: install qt6-l10n-tools (scripts/setup.sh does)")
endif()
find_program(WINPIRUK_LUPDATE NAMES lupdate lupdate-qt6
  HINTS /usr/lib/qt6/bin /usr/lib/qt6/libexec "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
        "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}")

set(WINPIRUK_TS_FILE ${CMAKE_SOURCE_DIR}/translations/winpiruk_en.ts)
set(WINPIRUK_QM_DIR ${CMAKE_BINARY_DIR}/translations)
set(WINPIRUK_QM_FILE ${WINPIRUK_QM_DIR}/winpiruk_en.qm)
file(MAKE_DIRECTORY ${WINPIRUK_QM_DIR})
add_custom_command(
  OUTPUT ${WINPIRUK_QM_FILE}
  COMMAND ${WINPIRUK_LRELEASE} -silent -nounfinished ${WINPIRUK_TS_FILE} -qm ${WINPIRUK_QM_FILE}
  DEPENDS ${WINPIRUK_TS_FILE}
  COMMENT "Compiling the English translation"
  VERBATIM)
set_source_files_properties(${WINPIRUK_QM_FILE} PROPERTIES GENERATED TRUE)
qt_add_resources(winpiruk_gui_common winpiruk_translations
  PREFIX /i18n
  BASE ${WINPIRUK_QM_DIR}
  FILES ${WINPIRUK_QM_FILE})
