# SPDX-License-Identifier: GPL-3.0-or-later
# Installed layout: the program in bin, its info text in share/ravelin, where
# the program looks for it next after its own folder (info_viewer.cpp).
# The files' modes are set here, 0755 for the program and 0644 for all else
# (the default of install(FILES)); the package's folders are set to 0755 by
# package_modes.cmake, so that the package does not follow the packer's umask.

# Qt's project set-up gives programs a library path beside themselves; the
# installed program takes Qt from the system and needs none.
set_target_properties(ravelin PROPERTIES INSTALL_RPATH "")
install(TARGETS ravelin RUNTIME DESTINATION bin
        PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# A stripped program keeps the compiler's notes, which Debian strips as well.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/ravelin\"
                    RESULT_VARIABLE ravelin_strip_status)
    if(NOT ravelin_strip_status EQUAL 0)
      message(FATAL_ERROR \"strip bin/ravelin: \${ravelin_strip_status}\")
    endif()
  endif()")
install(FILES ${PROJECT_SOURCE_DIR}/src/info/info_ravelin.txt
        DESTINATION share/ravelin OPTIONAL)

# Desktop menu entry, software-centre description and the icon in every size.
install(FILES ravelin.desktop DESTINATION share/applications)
install(FILES de.ravelin.ravelin.metainfo.xml DESTINATION share/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES icons/ravelin-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ravelin.png)
endforeach()
install(FILES icons/ravelin.svg DESTINATION share/icons/hicolor/scalable/apps)

# The licence notice, lintian's false alarms, the changelog and the manual
# pages. The last ones carry the release date and are compressed when
# installing (package_docs.cmake).
install(FILES copyright DESTINATION share/doc/ravelin)
install(FILES lintian-overrides DESTINATION share/lintian/overrides RENAME ravelin)
install(CODE "
  set(ravelin_source_dir \"${PROJECT_SOURCE_DIR}\")
  set(ravelin_app_dir \"${CMAKE_CURRENT_SOURCE_DIR}\")
  set(ravelin_version \"${PROJECT_VERSION}\")
  set(ravelin_work_dir \"${CMAKE_CURRENT_BINARY_DIR}\")
  include(\"${CMAKE_CURRENT_SOURCE_DIR}/package_docs.cmake\")")

# A Debian package of the installed tree: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ravelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Ravelin")
set(CPACK_PACKAGE_CONTACT "The Ravelin developers <ravelin@ravelin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Verteilung der aus Roulettewürfen gebildeten Zahlen")
# One line of the control file per line here, each within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Ravelin bildet aus je drei gültigen Würfen eines Roulettekessels eine Zahl
von 1 bis 36: Sechsergruppe des ersten, Kolonne des zweiten und Farbe des
dritten Wurfs. Es zählt, wie oft jede Zahl kam, wie oft zweifach und dreifach
hintereinander, und wann markierte Zahlen zum ersten Mal erscheinen, im Modus
„Rotation/37“ auch je Rotation. Die Würfe erzeugt der Rechner, oder sie stammen
aus einer eingelesenen Permanenz der Spielbank Hamburg.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The build keeps its debugging information; the package need not.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The window's fonts are named, so their packages are needed as well as the
# libraries, which dpkg-shlibdeps finds with their versions; only without it
# is Qt named by hand. Qt's own German texts (a text box's menu, the buttons
# of a question) come with its translations, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")
find_program(RAVELIN_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(RAVELIN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6, ")
endif()
# The same commit gives the same package: one date for all time stamps.
set(CPACK_RAVELIN_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack_options.cmake)
# Nothing of the package follows the packer's umask: its folders and the
# members of the .deb archive get their modes set.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/package_modes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/package_members.cmake)
include(CPack)
