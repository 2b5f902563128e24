# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it packs: fixes SOURCE_DATE_EPOCH for the whole run,
# which sets every time stamp in the archives and the changelog's date.
set(ravelin_source_dir "${CPACK_RAVELIN_SOURCE_DIR}")
include("${CPACK_RAVELIN_SOURCE_DIR}/src/app/source_date.cmake")
