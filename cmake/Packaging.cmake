# What the desktop needs besides the program (desktop entry, icon, AppStream data, manual
# page, copyright), and the Debian package that CPack builds from it: "cpack -G DEB".
set(KX_DATA ${PROJECT_SOURCE_DIR}/data)
# Debian wants the package's documents under its package name, not the project's.
set(KX_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${KX_PACKAGE})

install(FILES ${KX_DATA}/${KX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KX_DATA}/${KX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${KX_DATA}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${KX_DATA}/copyright DESTINATION ${KX_DOCDIR})
install(FILES ${KX_DATA}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME ${KX_PACKAGE})

# Debian installs manual pages and its changelog compressed, with no name or time stamp
# in the gzip header.
find_program(KX_GZIP gzip)
if(KX_GZIP)
  set(KX_MAN ${CMAKE_CURRENT_BINARY_DIR}/${KX_PACKAGE}.1.gz)
  set(KX_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
  add_custom_command(OUTPUT ${KX_MAN}
    COMMAND ${KX_GZIP} -9n -c ${KX_DATA}/${KX_PACKAGE}.1 > ${KX_MAN}
    DEPENDS ${KX_DATA}/${KX_PACKAGE}.1)
  add_custom_command(OUTPUT ${KX_CHANGELOG}
    COMMAND ${KX_GZIP} -9n -c ${KX_DATA}/changelog.Debian > ${KX_CHANGELOG}
    DEPENDS ${KX_DATA}/changelog.Debian)
  add_custom_target(compressed_docs ALL DEPENDS ${KX_MAN} ${KX_CHANGELOG})
  install(FILES ${KX_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${KX_CHANGELOG} DESTINATION ${KX_DOCDIR})
else()
  install(FILES ${KX_DATA}/${KX_PACKAGE}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME ${KX_PACKAGE})
set(CPACK_PACKAGE_VENDOR "The KX-2400 settings program developers")
set(CPACK_PACKAGE_CONTACT "The KX-2400 settings program developers <developers@kx2400.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jumper settings of the KX-2400 digital input card")
set(CPACK_PACKAGE_DESCRIPTION
  "Shows a photograph of the KX-2400, an isolated digital input card in the\n\
PC/104 form factor, with highlight circles over its jumper blocks. Hovering\n\
a circle opens a popup that explains the option and carries its controls:\n\
the base address, the interrupt level and the sixteen input filters.\n\
Controls and drawn jumpers follow each other both ways, so that you know\n\
exactly which jumpers to install.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kx2400.org/)
# The libraries come from dpkg-shlibdeps; the fonts are looked up by name at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
include(CPack)
