# A Debian package of the installation: cpack -G DEB in the build folder.
# The files Debian expects of a package (copyright, changelog, manual pages,
# AppStream metadata) come from packaging/; what is compressed is compressed
# here, with gzip -9n so that a rebuild gives the same bytes.
set(QUIVEREL_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(QUIVEREL_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
find_program(GZIP_EXECUTABLE gzip REQUIRED)

# A release changes the version in all of them.
foreach(name changelog quiverel.1 i__view32.exe.1 org.quiverel.quiverel.metainfo.xml)
  file(READ ${QUIVEREL_PACKAGING_DIR}/${name} text)
  string(FIND "${text}" "${PROJECT_VERSION}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "packaging/${name} does not name version ${PROJECT_VERSION}")
  endif()
endforeach()

set(compressed)
foreach(name quiverel.1 i__view32.exe.1 changelog)
  add_custom_command(OUTPUT ${QUIVEREL_PACKAGING_OUT}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${QUIVEREL_PACKAGING_DIR}/${name} ${QUIVEREL_PACKAGING_OUT}/${name}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${QUIVEREL_PACKAGING_OUT}/${name}
    DEPENDS ${QUIVEREL_PACKAGING_DIR}/${name}
    VERBATIM)
  list(APPEND compressed ${QUIVEREL_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(quiverel_packaging ALL DEPENDS ${compressed})

install(FILES ${QUIVEREL_PACKAGING_OUT}/quiverel.1.gz ${QUIVEREL_PACKAGING_OUT}/i__view32.exe.1.gz
  DESTINATION share/man/man1)
install(FILES ${QUIVEREL_PACKAGING_OUT}/changelog.gz ${QUIVEREL_PACKAGING_DIR}/copyright
  DESTINATION share/doc/quiverel)
install(FILES ${QUIVEREL_PACKAGING_DIR}/org.quiverel.quiverel.metainfo.xml DESTINATION share/metainfo)
install(FILES ${QUIVEREL_PACKAGING_DIR}/lintian-overrides
  DESTINATION share/lintian/overrides RENAME quiverel)

set(CPACK_PACKAGE_NAME quiverel)
set(CPACK_PACKAGE_VENDOR "Quiverel developers")
set(CPACK_PACKAGE_CONTACT "Quiverel developers <developers@quiverel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SSTV picture gallery with one-click hand-off for transmission")
# Lines of at most 80 characters: the package managers show them as they are.
set(CPACK_PACKAGE_DESCRIPTION [=[
Quiverel shows the folders that SSTV (slow-scan television) programs such
as EasyPal, KG-STV and MMSSTV receive pictures into as pages of thumbnails,
and hands a picture over for transmission with one click: into the transmit
folder (as a JPEG 2000 file of a target size when asked), onto the clipboard
and, by typed paste keys, into the SSTV programs' windows.

Around that it has a composer for transmit pictures, QSL cards, file actions,
FTP upload of a picture to a web site and a keyword search over all folders.]=])
set(CPACK_PACKAGE_INSTALL_DIRECTORY quiverel)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quiverel.org/)
# Owner and modes of the control files as Debian's tools make them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link come from dpkg-shlibdeps; the xcb platform
# and the JPEG plugin ship in libqt6gui6, among them. Thumbnails and notes are
# drawn in Liberation Sans, asked for by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
