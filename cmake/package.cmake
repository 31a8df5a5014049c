# A Debian package of the installation: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME quiverel)
set(CPACK_PACKAGE_VENDOR "Quiverel developers")
set(CPACK_PACKAGE_CONTACT "Quiverel developers <quiverel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SSTV picture gallery with one-click hand-off for transmission")
set(CPACK_PACKAGE_DESCRIPTION "Shows the folders an SSTV program receives pictures into as \
pages of thumbnails and hands a picture over for transmission with one click.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quiverel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries the programs link come from dpkg-shlibdeps; the xcb platform
# and the JPEG plugin ship in libqt6gui6, among them. Thumbnails and notes are
# drawn in Liberation Sans, asked for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
