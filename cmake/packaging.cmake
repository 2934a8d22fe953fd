# What `cmake --install` puts in place besides the program and its icons, and the Debian package
# that `make package` builds from it with CPack.

# The manual page, compressed as Debian installs manual pages.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tarravelle.1.gz
  COMMAND ${GZIP} -9nc ${CMAKE_SOURCE_DIR}/data/tarravelle.1 > ${CMAKE_BINARY_DIR}/tarravelle.1.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/data/tarravelle.1 VERBATIM)
add_custom_target(manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/tarravelle.1.gz)

install(FILES data/org.tarravelle.Tarravelle.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.tarravelle.Tarravelle.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/tarravelle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarravelle)
set(CPACK_PACKAGE_VENDOR "Halvermoor inc.")
set(CPACK_PACKAGE_CONTACT "Halvermoor inc. <developer@halvermoor.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "web browser with its own favourites and a small media player")
# Debian wraps a package's long description at 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tarravelle is a desktop web browser on the WebKitGTK engine: picture buttons for"
  "Back, Forward, Stop, Refresh and Home, an address bar that remembers the addresses"
  "typed in it, a search bar, a clock, a status line, its own favourites list, a"
  "pop-up blocker, printing with a preview, and Sonavelle, a small media player for"
  "MP3, MPEG, AVI and DVD files.")
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
