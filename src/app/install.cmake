# SPDX-License-Identifier: GPL-3.0-or-later
# Installed layout: the program in bin, its info text in share/ravelin, where
# the program looks for it next after its own folder (info_viewer.cpp).
# The files' modes are set here, 0755 for the program and 0644 for all else
# (the default of install(FILES)).

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

# The release notes and the manual pages, the pages with the release date
# and compressed when installing (package_docs.cmake). The licence notice,
# the changelog and the checker's overrides of the Debian package are
# Debian's own files (debian/), which its tools install.
install(FILES ${PROJECT_SOURCE_DIR}/NEWS DESTINATION share/doc/ravelin)
install(CODE "
  set(ravelin_source_dir \"${PROJECT_SOURCE_DIR}\")
  set(ravelin_app_dir \"${CMAKE_CURRENT_SOURCE_DIR}\")
  set(ravelin_version \"${PROJECT_VERSION}\")
  set(ravelin_work_dir \"${CMAKE_CURRENT_BINARY_DIR}\")
  include(\"${CMAKE_CURRENT_SOURCE_DIR}/package_docs.cmake\")")
