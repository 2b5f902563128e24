# SPDX-License-Identifier: GPL-3.0-or-later
# The one moment every date of the package comes from, so that the same
# commit always gives the same package: SOURCE_DATE_EPOCH when the caller
# sets it, otherwise the time of the last commit, and in a tree without
# its history the time the top-level build file was last changed.
# Expects ravelin_source_dir; sets the environment variable for the rest
# of the install run. dpkg-buildpackage sets it from debian/changelog.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} OR "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  execute_process(COMMAND git -C "${ravelin_source_dir}" log -1 --format=%ct
                  OUTPUT_VARIABLE ravelin_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE ravelin_git_status ERROR_QUIET)
  if(NOT ravelin_git_status EQUAL 0 OR NOT ravelin_epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP "${ravelin_source_dir}/CMakeLists.txt" ravelin_epoch "%s" UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${ravelin_epoch}")
endif()
