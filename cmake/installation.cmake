# What `cmake --install` puts beside the program, and the Debian package made by CPack.

install(FILES data/biblio.csv DESTINATION ${CMAKE_INSTALL_DATADIR}/tavik)
install(FILES data/${TAVIK_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(data/${TAVIK_ID}.metainfo.xml.in ${TAVIK_ID}.metainfo.xml @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${TAVIK_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES README.md COPYING DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The pictures that the README shows.
install(FILES docs/fenetre.png docs/installe.png docs/entrainement.png docs/progres.png
              docs/choix.png docs/zoom_150.png docs/parties.png
        DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

# The manual pages, French and English, the package's copyright in Debian's machine-readable
# form and its changelog, compressed as Debian keeps them.
find_program(GZIP gzip REQUIRED)
set(comprimes "${CMAKE_CURRENT_BINARY_DIR}/comprimes")
set(fichiers_comprimes)
foreach(source_cible IN ITEMS "man/tavik.fr.6|fr/tavik.6" "man/tavik.6|en/tavik.6"
                              "debian/changelog|changelog")
  string(REPLACE "|" ";" source_cible "${source_cible}")
  list(GET source_cible 0 source)
  list(GET source_cible 1 cible)
  get_filename_component(dossier "${comprimes}/${cible}" DIRECTORY)
  add_custom_command(OUTPUT "${comprimes}/${cible}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${dossier}"
    COMMAND ${GZIP} -9n -c "${PROJECT_SOURCE_DIR}/data/${source}" > "${comprimes}/${cible}.gz"
    DEPENDS "${PROJECT_SOURCE_DIR}/data/${source}" VERBATIM)
  list(APPEND fichiers_comprimes "${comprimes}/${cible}.gz")
endforeach()
add_custom_target(fichiers_comprimes ALL DEPENDS ${fichiers_comprimes})
install(FILES "${comprimes}/fr/tavik.6.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man6)
install(FILES "${comprimes}/en/tavik.6.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES "${comprimes}/changelog.gz" data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The checker's notes that are no fault, each with its reason.
install(FILES data/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tavik)

set(CPACK_PACKAGE_NAME tavik)
set(CPACK_PACKAGE_VENDOR "Tavik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the openings of Othello")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavik teaches the openings of Othello. Beside the board it shows what its
opening library knows about the position: the opening's name, an evaluation,
a comment and every library continuation with the opening that it completes.
You play both colours, or let Tavik play one colour at random from the
library while it holds you to the library moves. A training window drills the
library's lines at growing intervals. Its texts are French.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/COPYING")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_TAVIK_STRIP "${CMAKE_STRIP}")
set(CPACK_TAVIK_PROGRAMME "${TAVIK_DOSSIER_PROGRAMME}/tavik")
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/paquet_debian.cmake")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(TAVIK_RESPONSABLE "Les auteurs de Tavik <auteurs@tavik.fr>" CACHE STRING
    "Maintainer field of the Debian package: a name and an e-mail address")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVIK_RESPONSABLE}")
# The libraries that the binary links, found by dpkg-shlibdeps; the fixed layouts were drawn
# for Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# What a desktop user may lack: Qt's Wayland plugin, and Qt's own French texts (the text
# fields' context menus), which the program loads at start.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
