# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it has installed into its staging folder and before it
# packs. CMake makes the folders that files go into under the packer's umask,
# whatever mode it is asked for, so every folder of the package, its top
# included, is set to 0755 here; the files have their modes from install().
set(ravelin_top "${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
if(NOT IS_DIRECTORY "${ravelin_top}")
  message(FATAL_ERROR "no staging folder '${ravelin_top}'")
endif()
file(GLOB_RECURSE ravelin_entries LIST_DIRECTORIES true "${ravelin_top}/*")
set(ravelin_folders "${ravelin_top}")
foreach(entry IN LISTS ravelin_entries)
  if(IS_DIRECTORY "${entry}" AND NOT IS_SYMLINK "${entry}")
    list(APPEND ravelin_folders "${entry}")
  endif()
endforeach()
file(CHMOD ${ravelin_folders} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
