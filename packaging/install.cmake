# What `cmake --install` puts where, and the Debian package made from it by CPack.
set(QUINTARLOW_APP_ID io.github.quintarlow.Quintarlow)

install(TARGETS quintarlow RUNTIME DESTINATION ${QUINTARLOW_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/gif DESTINATION ${QUINTARLOW_DATADIR})
install(FILES ${QUINTARLOW_QM_FILES} DESTINATION ${QUINTARLOW_DATADIR}/translations)
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
# Only for a school's server; nothing enables them.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quintarlow-expire.service
    ${CMAKE_CURRENT_LIST_DIR}/quintarlow-expire.timer DESTINATION lib/systemd/system)
# Debian's machine-readable form, pointing at the licence every Debian system holds.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The change log (Debian's form, as the package's own) and the manual page, compressed as Debian
# compresses them: the most, with no name or time in the header, so every build is the same.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog QUINTARLOW_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT QUINTARLOW_CHANGELOG_TOP MATCHES "^quintarlow \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for ${PROJECT_VERSION} at the top")
endif()
set(QUINTARLOW_COMPRESSED_DOCS)
foreach(page changelog quintarlow.6)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/${page} packaging/${page}
        COMMAND gzip -9nf packaging/${page}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${page}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} VERBATIM)
    list(APPEND QUINTARLOW_COMPRESSED_DOCS ${compressed})
endforeach()
# Made with the program, so that installing the program always finds them.
add_custom_target(quintarlow_docs DEPENDS ${QUINTARLOW_COMPRESSED_DOCS})
add_dependencies(quintarlow quintarlow_docs)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/quintarlow.6.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintarlow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quintarlow! team <quintarlow@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-player spoken multiplication game")
# One line of the extended description per line here, each short enough for any terminal.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Blue and Red take turns: the game says two factors from 1 to 12, and the"
    "player has 20 seconds to click their product on an 8 x 8 board. Four"
    "squares of one colour in a line win. Every screen speaks its texts and"
    "can be played from the keyboard alone.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quintarlow/quintarlow)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so no library dependency names them: the fonts, the SQLite
# driver that Qt SQL loads as a plugin for the practice record, and eSpeak NG with its voices.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, fonts-comic-neue, fonts-urw-base35, fonts-dejavu-core, libqt6sql6-sqlite, libespeak-ng1, espeak-ng-data")
# A school's record server speaks PostgreSQL through this Qt SQL driver; a family never needs it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
set(CPACK_STRIP_FILES ON)
set(CPACK_QUINTARLOW_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip-comments.cmake)
include(CPack)
