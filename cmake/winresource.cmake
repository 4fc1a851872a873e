# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The Windows resources of the executable: its icon and its version record,
# the numbers taken from the project version so that they are defined once.
# Link zevodave_version_record into an executable to give it both.

# The version record writes the version zero-filled, as 2.00.0002.
function(zevodave_zero_fill out number width)
    string(LENGTH "${number}" length)
    set(filled "${number}")
    if(length LESS width)
        math(EXPR fill "${width} - ${length}")
        string(REPEAT "0" ${fill} zeros)
        set(filled "${zeros}${number}")
    endif()
    set(${out} "${filled}" PARENT_SCOPE)
endfunction()

zevodave_zero_fill(ZEVODAVE_VERSION_MINOR_FILLED ${PROJECT_VERSION_MINOR} 2)
zevodave_zero_fill(ZEVODAVE_VERSION_PATCH_FILLED ${PROJECT_VERSION_PATCH} 4)
set(ZEVODAVE_VERSION_TEXT
    "${PROJECT_VERSION_MAJOR}.${ZEVODAVE_VERSION_MINOR_FILLED}.${ZEVODAVE_VERSION_PATCH_FILLED}")
set(ZEVODAVE_ICON "${PROJECT_SOURCE_DIR}/resources/zevodave.ico")

enable_language(RC)
set(zevodave_rc "${PROJECT_BINARY_DIR}/generated/zevodave.rc")
configure_file("${PROJECT_SOURCE_DIR}/resources/zevodave.rc.in" "${zevodave_rc}" @ONLY)
set_source_files_properties("${zevodave_rc}" PROPERTIES OBJECT_DEPENDS "${ZEVODAVE_ICON}")
add_library(zevodave_version_record OBJECT "${zevodave_rc}")
