# The desktop program's installed files, as a Debian package or `cmake --install` lays
# them out under a prefix.
include(GNUInstallDirs)
set(desktop_source ${CMAKE_CURRENT_SOURCE_DIR}/desktop)
set(desktop_binary ${CMAKE_CURRENT_BINARY_DIR}/desktop)
set(CANZET_APPSTREAM_ID org.canzet.Canzet)

install(TARGETS canzet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The practice dialog has a menu entry of its own, for the learners who come for it.
install(FILES ${desktop_source}/canzet.desktop ${desktop_source}/canzet-practice.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_source}/${CANZET_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu icon is the program's own, exported from its embedded resources at every size
# the icon holds, with the larger drawings of the same picture beside it.
add_executable(canzet_export_icon ${desktop_source}/ExportIcon.cpp)
target_link_libraries(canzet_export_icon PRIVATE canzet_platform_qt canzet_res_data canzet_res_ids
                                                 canzet_app_choices)
set(icon_theme ${desktop_binary}/hicolor)
set(large_icons)
foreach(size 48 64 128 256)
    list(APPEND large_icons ${PROJECT_SOURCE_DIR}/res/Canzet-${size}.bmp)
endforeach()
add_custom_command(OUTPUT ${icon_theme}/32x32/apps/canzet.png
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${icon_theme}
    COMMAND canzet_export_icon ${icon_theme} ${large_icons}
    DEPENDS canzet_export_icon ${large_icons}
    COMMENT "Exporting the program's icon"
    VERBATIM)
add_custom_target(canzet_menu_icon ALL DEPENDS ${icon_theme}/32x32/apps/canzet.png)
install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${PROJECT_SOURCE_DIR}/res/Canzet.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME canzet.svg)

# The manual page is made from the program's own --help and --version in English, so that
# it lists the options the program takes; canzet.h2m adds what --help does not say.
find_program(CANZET_HELP2MAN help2man)
if(CANZET_HELP2MAN)
    set(manual ${desktop_binary}/canzet.1)
    add_custom_command(OUTPUT ${manual} ${manual}.gz
        COMMAND ${CANZET_HELP2MAN} --no-info --section=1
                "--help-option=--language=en --help" "--version-option=--language=en --version"
                "--name=place a note on a music staff and hear its pitch"
                --include=${desktop_source}/canzet.h2m --output=${manual} $<TARGET_FILE:canzet>
        COMMAND gzip -9 -n -f -k ${manual}
        DEPENDS canzet ${desktop_source}/canzet.h2m
        COMMENT "Making the manual page"
        VERBATIM)
    add_custom_target(canzet_manual ALL DEPENDS ${manual}.gz)
    install(FILES ${manual}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "help2man not found: the manual page is not made")
endif()

set(changelog ${desktop_binary}/changelog.gz)
add_custom_command(OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E copy ${desktop_source}/changelog ${desktop_binary}/changelog
    COMMAND gzip -9 -n -f ${desktop_binary}/changelog
    DEPENDS ${desktop_source}/changelog
    VERBATIM)
add_custom_target(canzet_changelog ALL DEPENDS ${changelog})
install(FILES ${desktop_source}/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/canzet)
