# What `cmake --install` puts in place besides the program and its icons, and the Debian package
# that `make package` builds from it with CPack.

# The current release: its version is the project's; its date and notes come from
# data/release-notes, which gives the AppStream <release>, the manual page's date and the
# package's changelog alike.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/release-notes)
file(STRINGS ${CMAKE_SOURCE_DIR}/data/release-notes RELEASE_LINES REGEX "^[^#]")
list(POP_FRONT RELEASE_LINES RELEASE_DATE)
if(NOT RELEASE_DATE MATCHES "^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$" OR NOT RELEASE_LINES)
  message(FATAL_ERROR "data/release-notes: a date (YYYY-MM-DD), then the notes")
endif()
list(JOIN RELEASE_LINES " " RELEASE_NOTES)
string(REPLACE "&" "&amp;" RELEASE_NOTES_XML "${RELEASE_NOTES}")
string(REPLACE "<" "&lt;" RELEASE_NOTES_XML "${RELEASE_NOTES_XML}")
string(REPLACE ">" "&gt;" RELEASE_NOTES_XML "${RELEASE_NOTES_XML}")
set(PACKAGE_CONTACT "Halvermoor inc. <developer@halvermoor.example>")

configure_file(data/org.tarravelle.Tarravelle.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/org.tarravelle.Tarravelle.metainfo.xml @ONLY)
configure_file(data/tarravelle.1.in ${CMAKE_BINARY_DIR}/tarravelle.1 @ONLY)

# Debian's changelog of a native package: one entry, its lines as the notes file wraps them.
execute_process(COMMAND date -R -u -d "${RELEASE_DATE} 00:00:00"
                OUTPUT_VARIABLE RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
list(TRANSFORM RELEASE_LINES PREPEND "    ")
list(JOIN RELEASE_LINES "\n" CHANGELOG_NOTES)
string(REGEX REPLACE "^    " "  * " CHANGELOG_NOTES "${CHANGELOG_NOTES}")
file(WRITE ${CMAKE_BINARY_DIR}/changelog
  "tarravelle (${PROJECT_VERSION}) unstable; urgency=medium\n\n${CHANGELOG_NOTES}\n\n"
  " -- ${PACKAGE_CONTACT}  ${RELEASE_DATE_RFC2822}\n")

# The manual page and the changelog, compressed as Debian installs them.
find_program(GZIP gzip REQUIRED)
foreach(doc tarravelle.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${doc}.gz
    COMMAND ${GZIP} -9nc ${CMAKE_BINARY_DIR}/${doc} > ${CMAKE_BINARY_DIR}/${doc}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/${doc} VERBATIM)
endforeach()
add_custom_target(manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/tarravelle.1.gz
                                      ${CMAKE_BINARY_DIR}/changelog.gz)

install(FILES data/org.tarravelle.Tarravelle.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/org.tarravelle.Tarravelle.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/tarravelle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarravelle)
set(CPACK_PACKAGE_VENDOR "Halvermoor inc.")
set(CPACK_PACKAGE_CONTACT "${PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "web browser with its own favourites and a small media player")
# Each line of the long description stands indented by one space in the package's control file,
# which takes at most 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tarravelle is a desktop web browser on the WebKitGTK engine: picture"
  "buttons for Back, Forward, Stop, Refresh and Home, an address bar that"
  "remembers the addresses typed in it, a search bar, a clock, a status line,"
  "its own favourites list, a pop-up blocker, printing with a preview, and"
  "Sonavelle, a small media player for MP3, MPEG, AVI and DVD files.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarravelle.halvermoor.example/")
# The libraries the program links, found by dpkg-shlibdeps; the player's GStreamer plugins are
# loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, \
gstreamer1.0-plugins-bad, gstreamer1.0-plugins-ugly, gstreamer1.0-libav, gstreamer1.0-x, \
gstreamer1.0-gl, fonts-liberation, adwaita-icon-theme, librsvg2-common")
include(CPack)
