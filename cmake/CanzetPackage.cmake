# Packages made with CPack: the Debian package on Linux (tools/package), a zip of the
# program on Windows (tools/build-windows).
set(CPACK_PACKAGE_NAME canzet)
set(CPACK_PACKAGE_VENDOR "Canzet maintainers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "music staff on which a note is dragged and heard")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # The program and a short text file beside it, with the line ends Notepad expects.
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/README.txt.in
                   ${PROJECT_BINARY_DIR}/README.txt NEWLINE_STYLE CRLF @ONLY)
    install(TARGETS canzet RUNTIME DESTINATION .)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME Canzet-${PROJECT_VERSION}-win64)
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Canzet maintainers <${CANZET_BUG_ADDRESS}>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Lines as the package's description shows them: under 80 characters, a blank line
# between paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Canzet shows one five-line music staff. Press the mouse button on the staff"
    "to place a note, drag it up and down to hear each pitch as it crosses a line"
    "or a space, and let go to drop it onto the staff; a button then tells the"
    "note's staff step."
    ""
    "Notes sound through a built-in General MIDI synthesizer (FluidSynth), or"
    "through any synthesizer connected to Canzet's ALSA sequencer port. The"
    "program speaks Chinese and English, after the desktop's language.")
# The libraries come from dpkg-shlibdeps. Besides them the program needs Qt's display
# plugins, which it loads at run time, and the General MIDI soundfont it plays; its
# Chinese captions want a Chinese font, and a Wayland session Qt's Wayland plugin, without
# which the program runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-arphic-uming | fonts-noto-cjk, qt6-translations-l10n, qt6-wayland")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
