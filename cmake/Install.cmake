# `cmake --install` into any prefix, and the Debian package built from it by
# CPack. The installed game finds its data relative to its own program, so
# the prefix can move after installing.
include(GNUInstallDirs)

set(GRIDLET_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
set(GRIDLET_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
set(GRIDLET_DATA_DEST ${CMAKE_INSTALL_DATADIR}/gridlet)
execute_process(COMMAND date -u -R -d "${GRIDLET_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE GRIDLET_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)

configure_file(${GRIDLET_PACKAGING}/gridlet.desktop.in ${GRIDLET_PACKAGING_OUT}/${GRIDLET_APP_ID}.desktop @ONLY)
configure_file(${GRIDLET_PACKAGING}/gridlet.metainfo.xml.in ${GRIDLET_PACKAGING_OUT}/${GRIDLET_APP_ID}.metainfo.xml
               @ONLY)
configure_file(${GRIDLET_PACKAGING}/gridlet.6.in ${GRIDLET_PACKAGING_OUT}/gridlet.6 @ONLY)
configure_file(${GRIDLET_PACKAGING}/copyright.in ${GRIDLET_PACKAGING_OUT}/copyright @ONLY)
configure_file(${GRIDLET_PACKAGING}/changelog.in ${GRIDLET_PACKAGING_OUT}/changelog @ONLY)

# Manual pages and changelogs are installed compressed, without a time stamp
# so that the package builds the same every time.
set(GRIDLET_COMPRESSED)
foreach(name gridlet.6 changelog)
  add_custom_command(OUTPUT ${GRIDLET_PACKAGING_OUT}/${name}.gz
    COMMAND gzip -9nc ${GRIDLET_PACKAGING_OUT}/${name} > ${GRIDLET_PACKAGING_OUT}/${name}.gz
    DEPENDS ${GRIDLET_PACKAGING_OUT}/${name})
  list(APPEND GRIDLET_COMPRESSED ${GRIDLET_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${GRIDLET_COMPRESSED})

install(TARGETS gridlet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The game data from the game folder, without what a player left there.
install(DIRECTORY ${GRIDLET_GAME_DIR}/gfx ${GRIDLET_GAME_DIR}/themes ${GRIDLET_GAME_DIR}/lang
        DESTINATION ${GRIDLET_DATA_DEST} PATTERN "*.tmp" EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/data/settings.xml DESTINATION ${GRIDLET_DATA_DEST})
install(FILES ${GRIDLET_PACKAGING}/licences/Vera.txt ${GRIDLET_PACKAGING}/licences/DejaVu.txt
        DESTINATION ${GRIDLET_DATA_DEST}/gfx)
install(FILES ${GRIDLET_PACKAGING_OUT}/${GRIDLET_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GRIDLET_PACKAGING_OUT}/${GRIDLET_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 64 128 256 512)
  install(FILES ${GRIDLET_ICON_DIR}/${size}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${GRIDLET_APP_ID}.png)
endforeach()
# The doubled folders of HiDPI desktops: SIZExSIZE@2 holds the picture of twice the size.
foreach(size 48 64 128 256)
  math(EXPR pixels "${size} * 2")
  install(FILES ${GRIDLET_ICON_DIR}/${pixels}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps
          RENAME ${GRIDLET_APP_ID}.png)
endforeach()
install(FILES ${GRIDLET_PACKAGING_OUT}/gridlet.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${GRIDLET_PACKAGING_OUT}/copyright ${GRIDLET_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/gridlet)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridlet)
set(CPACK_PACKAGE_VERSION ${GRIDLET_VERSION})
set(CPACK_PACKAGE_VENDOR "${GRIDLET_AUTHOR}")
set(CPACK_PACKAGE_CONTACT "${GRIDLET_AUTHOR} <${GRIDLET_MAINTAINER_MAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "themed Sudoku game for the desktop")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Gridlet makes a new 9 by 9 Sudoku puzzle of one of nine difficulty levels
for every game and shows a short level code from which the same puzzle can
be played again. The board is filled with the mouse or the keyboard;
hints, a display of wrong turns and a timed Mix It mode that shuffles the
symbols are at hand, and the best 100 scores are kept. Two themes with four
stone sets come along, and players may add their own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${GRIDLET_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGamesFolder.cmake)
include(CPack)
