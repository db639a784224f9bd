# What `cmake --install` puts beside the program, and the Debian package made by CPack.

install(FILES data/biblio.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/tavik)
install(FILES data/${TAVIK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/${TAVIK_ID}.metainfo.xml.in ${TAVIK_ID}.metainfo.xml @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${TAVIK_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES README.md COPYING DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The pictures that the README shows.
install(FILES docs/fenetre.png docs/installe.png DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

set(CPACK_PACKAGE_NAME tavik)
set(CPACK_PACKAGE_VENDOR "Tavik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the openings of Othello")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavik teaches the openings of Othello. Beside the board it shows what its opening library
knows about the position: the opening's name, an evaluation, a comment and every library
continuation with the opening that it completes. You play both colours, or let Tavik play
one colour at random from the library while it holds you to the library moves. Its texts
are French.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/COPYING")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Les auteurs de Tavik" CACHE STRING
    "Maintainer field of the Debian package")
# The libraries that the binary links, found by dpkg-shlibdeps; the fixed layouts were drawn
# for Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
