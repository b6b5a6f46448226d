# Installing and packaging: the program, its sample media folder, a desktop entry that starts it
# in that folder (as from its disc), a scalable icon and the AppStream metadata, in the usual
# places; CPack makes a .deb of the same tree.
include(GNUInstallDirs)
set(MASTERSKAYA_APP_ID ru.velmaro.masterskaya)
set(MASTERSKAYA_WEB_URL "https://masterskaya.example.org" CACHE STRING
    "Web address of the project page, under which dist/screenshots is published as screenshots/")
set(MASTERSKAYA_MAINTAINER "Masterskaya maintainers <maintainers@masterskaya.example.org>" CACHE STRING
    "Maintainer named in the Debian package")

install(TARGETS masterskaya RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(MASTERSKAYA_SAMPLE_DEST ${CMAKE_INSTALL_DATADIR}/masterskaya/sample)
if(EXISTS ${CMAKE_SOURCE_DIR}/sample)
  set(MASTERSKAYA_HAS_SAMPLE TRUE)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/sample/ DESTINATION ${MASTERSKAYA_SAMPLE_DEST})
else()
  set(MASTERSKAYA_HAS_SAMPLE FALSE)
  message(STATUS "No sample/ folder: the install holds no media and the desktop entry names no Path")
endif()

# The desktop entry's Path names the sample folder under the prefix in use when installing
# (cmake --install --prefix, or the package's /usr), so it is written at install time.
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_desktop_entry.cmake.in
               ${CMAKE_BINARY_DIR}/dist/install_desktop_entry.cmake @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/dist/install_desktop_entry.cmake)

configure_file(${CMAKE_CURRENT_LIST_DIR}/${MASTERSKAYA_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${MASTERSKAYA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${MASTERSKAYA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${MASTERSKAYA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The .deb: the shared libraries' packages come from dpkg-shlibdeps; the rest are what the program
# loads by name at run time (fonts with Cyrillic glyphs, media decoders, the MIDI soundfont).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME masterskaya)
set(CPACK_PACKAGE_VENDOR Velmaro)
set(CPACK_PACKAGE_CONTACT "${MASTERSKAYA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multimedia course for children about visual programming")
set(CPACK_PACKAGE_DESCRIPTION
    "A course in Russian for children of about 9 to 12 that shows what a visual programming\n"
    "environment is and what can be made with it: a picture menu, lessons on the environment's\n"
    "windows and objects, sound, pictures, timers, video, an audio CD and drawing, a drawing album\n"
    "and a player for any media file, with a friendly guide who speaks to the child.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MASTERSKAYA_WEB_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(runtime_depends fonts-dejavu-core gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    gstreamer1.0-libav)
if(TARGET PkgConfig::MEDIA_LIBS)  # MIDI through FluidSynth needs its General MIDI soundfont
  list(APPEND runtime_depends timgm6mb-soundfont)
endif()
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${runtime_depends}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, fonts-texgyre, fonts-comfortaa, qt6-translations-l10n")
include(CPack)
