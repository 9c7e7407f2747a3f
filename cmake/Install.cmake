# SPDX-License-Identifier: GPL-3.0-or-later
# Installation into any prefix, and the Debian package built from it with CPack.
include(GNUInstallDirs)

set(NINEBOX_APP_ID org.ninebox.Ninebox)
set(NINEBOX_RELEASE_DATE 2026-12-06)  # of this version, for the manual page
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

# Debian keeps games in /usr/games, which its default PATH holds, so the desktop entry's
# bare command still finds the program; under any other prefix it goes to bin. The folder
# must stay one level below the prefix: the program finds its page in ../share/ninebox.
set(NINEBOX_INSTALL_PROGRAMDIR "" CACHE STRING
    "Folder of the program under the prefix (empty: games when the prefix is /usr, else bin)")
if(NINEBOX_INSTALL_PROGRAMDIR)
  set(ninebox_bindir ${NINEBOX_INSTALL_PROGRAMDIR})
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(ninebox_bindir games)
else()
  set(ninebox_bindir ${CMAKE_INSTALL_BINDIR})
endif()

# Named in the package's Maintainer field and its changelog. The default is a reserved
# address that reaches nobody; whoever publishes a package sets their own.
set(NINEBOX_MAINTAINER "Ninebox packager <packager@ninebox.invalid>" CACHE STRING
    "Maintainer of the Debian package, as: Name <address>")

# The manual page and the changelog, compressed as Debian's tools expect: -n leaves out the
# name and time, so the same text gives the same bytes.
set(NINEBOX_PAGE ${CMAKE_INSTALL_FULL_DATADIR}/ninebox/readme.htm)
set(doc_out ${PROJECT_BINARY_DIR}/doc)
configure_file(${PROJECT_SOURCE_DIR}/resources/man/ninebox.6.in ${doc_out}/ninebox.6 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in ${doc_out}/changelog @ONLY)
add_custom_command(OUTPUT ${doc_out}/ninebox.6.gz ${doc_out}/changelog.gz
                   COMMAND gzip -9nkf ninebox.6 changelog
                   DEPENDS ${doc_out}/ninebox.6 ${doc_out}/changelog
                   WORKING_DIRECTORY ${doc_out} VERBATIM)
add_custom_target(ninebox_docs ALL DEPENDS ${doc_out}/ninebox.6.gz ${doc_out}/changelog.gz)

# Folders as Debian wants them whatever the umask of whoever installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS ninebox RUNTIME DESTINATION ${ninebox_bindir})
# A stripped install (the package's) drops the compiler's notes as well, as Debian's own
# tools do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ninebox_bindir}/ninebox\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
# The program looks for its instructions page beside itself, then in ../share/ninebox: the
# English readme.htm and the translated ones (readme.de.htm, ...).
file(GLOB pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/readme*.htm)
install(FILES ${pages} DESTINATION ${CMAKE_INSTALL_DATADIR}/ninebox)
install(FILES ${desktop}/${NINEBOX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${NINEBOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The game file's MIME type (*.sud), which the desktop entry opens; the system's database
# takes it in through shared-mime-info's trigger.
install(FILES ${desktop}/${NINEBOX_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${NINEBOX_APP_ID}.xml)
install(FILES ${desktop}/${NINEBOX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop}/${NINEBOX_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${doc_out}/ninebox.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# The licence text itself stays out: Debian's copyright file points to the system's copy.
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright ${doc_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME ninebox)
set(CPACK_PACKAGE_VENDOR "The Ninebox developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku puzzles picked by game number")
# Debian shows the lines as they are: at most 79 characters each, for lintian.
set(CPACK_PACKAGE_DESCRIPTION
    "Ninebox is a Sudoku game for one player. Every game has a number that picks\n\
one of thirty built-in puzzles and rearranges it, so the same number always\n\
gives the same puzzle. Map mode shows the digits still possible in each cell.")
set(CPACK_PACKAGE_CONTACT "${NINEBOX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Dependencies computed from the binary. What Qt loads at run time needs nothing more:
# on Debian 12 the X11 platform plugin (libqxcb), the image formats and the input contexts
# ship in libqt6gui6 itself, and the print support plugin in libqt6printsupport6. The
# qt6-qpa-plugins that libqt6gui6 recommends holds only the VNC and TUIO plugins, so an
# install without recommended packages starts as well (tools/fresh-root-check.sh).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs in the player's language; without it they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
