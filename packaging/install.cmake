# What `cmake --install` puts where, and the Debian package made from it by CPack.
set(QUINTARLOW_APP_ID io.github.quintarlow.Quintarlow)

install(TARGETS quintarlow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/gif DESTINATION ${QUINTARLOW_DATADIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/ding.WAV ${PROJECT_SOURCE_DIR}/data/error.WAV
    ${PROJECT_SOURCE_DIR}/data/ring.WAV DESTINATION ${QUINTARLOW_DATADIR})

set(QUINTARLOW_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quintarlow-${size}.png
        DESTINATION ${QUINTARLOW_ICONS}/${size}x${size}/apps RENAME ${QUINTARLOW_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/quintarlow.svg
    DESTINATION ${QUINTARLOW_ICONS}/scalable/apps RENAME ${QUINTARLOW_APP_ID}.svg)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${QUINTARLOW_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${QUINTARLOW_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR}
    RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintarlow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quintarlow! team <quintarlow@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player spoken multiplication game")
set(CPACK_PACKAGE_DESCRIPTION "Blue and Red take turns: the game says two factors from 1 to 12 \
and the player has 20 seconds to click their product on an 8 x 8 board. Four squares in a line \
win.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quintarlow/quintarlow)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so no library dependency names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-comic-neue, fonts-urw-base35, fonts-dejavu-core")
# A school's record server speaks PostgreSQL through this Qt SQL driver; a family never needs it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_STRIP_FILES ON)
include(CPack)
