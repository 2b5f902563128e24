# Installed layout: the program and its info file together in lib/ravelin,
# where the program looks for the info file beside its real executable, and
# a relative link bin/ravelin to it, so the tree can be moved as a whole.
set(ravelin_app_folder lib/ravelin)

install(TARGETS ravelin RUNTIME DESTINATION ${ravelin_app_folder})
install(FILES ${PROJECT_SOURCE_DIR}/src/info/info_ravelin.txt
        DESTINATION ${ravelin_app_folder} OPTIONAL)

set(ravelin_link ${CMAKE_CURRENT_BINARY_DIR}/launcher/ravelin)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/launcher)
file(CREATE_LINK ../${ravelin_app_folder}/ravelin ${ravelin_link} SYMBOLIC)
install(FILES ${ravelin_link} DESTINATION bin)

# Desktop menu entry, software-centre description and the icon in every size.
install(FILES ravelin.desktop DESTINATION share/applications)
install(FILES de.ravelin.Ravelin.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES icons/ravelin-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ravelin.png)
endforeach()
install(FILES icons/ravelin.svg DESTINATION share/icons/hicolor/scalable/apps)

# A Debian package of the installed tree: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ravelin")
set(CPACK_PACKAGE_CONTACT "Ravelin <maintainers@users.noreply.c-seed-5c5c4ba5.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Verteilung der aus Roulettewürfen gebildeten Zahlen")
set(CPACK_PACKAGE_DESCRIPTION
    "Ravelin bildet aus je drei gültigen Würfen eine Zahl von 1 bis 36 und zählt Häufigkeiten, Wiederholungen und das erste Erscheinen markierter Zahlen. Die Würfe erzeugt der Rechner, oder sie stammen aus einer Permanenz der Spielbank Hamburg.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The build keeps its debugging information; the package need not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The window's fonts are named, so their packages are needed as well as Qt.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, fonts-liberation2, fonts-dejavu-core")
find_program(RAVELIN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RAVELIN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
