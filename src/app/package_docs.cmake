# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time: fills the release date and version into the manual
# pages (English, and German in the German slot), compresses them without a
# name or time stamp in the gzip header, and installs them. Each run works in
# a folder of its own, as two installs may go on at the same time.
# Expects ravelin_source_dir, ravelin_app_dir, ravelin_version, ravelin_work_dir.
include("${ravelin_app_dir}/source_date.cmake")

# string(TIMESTAMP) reads SOURCE_DATE_EPOCH.
string(TIMESTAMP ravelin_page_date "%Y-%m-%d" UTC)
set(PROJECT_VERSION "${ravelin_version}")

string(RANDOM LENGTH 12 ravelin_run)
set(ravelin_docs "${ravelin_work_dir}/docs-${ravelin_run}")
file(MAKE_DIRECTORY "${ravelin_docs}")
foreach(page ravelin.1 ravelin.de.1)
  file(READ "${ravelin_app_dir}/${page}" ravelin_text)
  string(CONFIGURE "${ravelin_text}" ravelin_text @ONLY)
  file(WRITE "${ravelin_docs}/${page}" "${ravelin_text}")
  execute_process(COMMAND gzip -9n -c "${ravelin_docs}/${page}"
                  OUTPUT_FILE "${ravelin_docs}/${page}.gz" RESULT_VARIABLE ravelin_gzip_status)
  if(NOT ravelin_gzip_status EQUAL 0)
    message(FATAL_ERROR "gzip ${page}: ${ravelin_gzip_status}")
  endif()
endforeach()

set(ravelin_doc_permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(INSTALL "${ravelin_docs}/ravelin.1.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/man1"
     FILE_PERMISSIONS ${ravelin_doc_permissions})
file(INSTALL "${ravelin_docs}/ravelin.de.1.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/de/man1"
     FILE_PERMISSIONS ${ravelin_doc_permissions} RENAME ravelin.1.gz)
file(REMOVE_RECURSE "${ravelin_docs}")
