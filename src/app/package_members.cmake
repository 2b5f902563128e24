# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has made the package and before it copies it out.
# A .deb is an ar archive whose three members (debian-binary, control.tar.*,
# data.tar.*) cpack writes with the modes the packer's umask gave their files;
# each member's header gets 100644 here, as dpkg-deb writes it.
# The header of a member: name 16 bytes, date 12, owner 6, group 6, mode 8,
# size 10, end 2; the member's data follows, padded to an even length.
set(ravelin_mode_file "${CPACK_TEMPORARY_DIRECTORY}/ar-member-mode")
file(WRITE "${ravelin_mode_file}" "100644  ")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  file(READ "${deb}" ravelin_magic LIMIT 8)
  if(NOT ravelin_magic STREQUAL "!<arch>\n")
    message(FATAL_ERROR "${deb} is not an ar archive")
  endif()
  file(SIZE "${deb}" ravelin_total)
  set(ravelin_at 8)
  while(ravelin_at LESS ravelin_total)
    file(READ "${deb}" ravelin_header OFFSET ${ravelin_at} LIMIT 60)
    string(SUBSTRING "${ravelin_header}" 48 10 ravelin_size)
    string(STRIP "${ravelin_size}" ravelin_size)
    if(NOT ravelin_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${deb}: no member header at byte ${ravelin_at}")
    endif()
    math(EXPR ravelin_mode_at "${ravelin_at} + 40")
    execute_process(COMMAND dd "of=${deb}" bs=1 seek=${ravelin_mode_at} conv=notrunc status=none
                    INPUT_FILE "${ravelin_mode_file}" RESULT_VARIABLE ravelin_dd_status)
    if(NOT ravelin_dd_status EQUAL 0)
      message(FATAL_ERROR "${deb}: setting a member's mode failed: ${ravelin_dd_status}")
    endif()
    math(EXPR ravelin_at "${ravelin_at} + 60 + ${ravelin_size} + ${ravelin_size} % 2")
  endwhile()
endforeach()
file(REMOVE "${ravelin_mode_file}")
