# Installation into any prefix, and the Debian package built from it with CPack.
include(GNUInstallDirs)

set(NINEBOX_APP_ID org.ninebox.Ninebox)
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS ninebox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its instructions page beside itself, then in ../share/ninebox.
install(FILES ${PROJECT_SOURCE_DIR}/resources/readme.htm DESTINATION ${CMAKE_INSTALL_DATADIR}/ninebox)
install(FILES ${desktop}/${NINEBOX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${NINEBOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/${NINEBOX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${desktop}/${NINEBOX_APP_ID}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(CPACK_PACKAGE_NAME ninebox)
set(CPACK_PACKAGE_VENDOR "The Ninebox developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku puzzles picked by game number")
set(CPACK_PACKAGE_DESCRIPTION
    "Ninebox is a Sudoku game for one player. Every game has a number that picks one of\n\
thirty built-in puzzles and rearranges it, so the same number always gives the same puzzle.")
set(CPACK_PACKAGE_CONTACT "The Ninebox developers")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)  # dependencies computed from the binary
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
