# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# What the macOS application bundle of the zevodave target carries in its
# Info.plist and Resources: its icon, its name, the application id the
# freedesktop files are named by (resources/CMakeLists.txt), and its version,
# taken from the project version so that it is defined once. Qt's Info.plist
# template fills its entries from these properties. Configured but untested:
# the project is built and tested on Debian only.

# The icon is made at build time from the 48 x 48 picture, with macOS's own
# tools, in the sizes up to 64 pixels that the Finder and the Dock ask for.
find_program(ZEVODAVE_SIPS sips REQUIRED)
find_program(ZEVODAVE_ICONUTIL iconutil REQUIRED)
set(zevodave_png "${PROJECT_SOURCE_DIR}/resources/zevodave.png")
set(zevodave_iconset "${CMAKE_CURRENT_BINARY_DIR}/zevodave.iconset")
set(zevodave_icns "${CMAKE_CURRENT_BINARY_DIR}/zevodave.icns")
set(zevodave_icon_commands)
foreach(entry IN ITEMS 16x16:16 16x16@2x:32 32x32:32 32x32@2x:64)
    string(REPLACE ":" ";" entry "${entry}")
    list(GET entry 0 name)
    list(GET entry 1 pixels)
    list(APPEND zevodave_icon_commands COMMAND "${ZEVODAVE_SIPS}" -z ${pixels} ${pixels}
        "${zevodave_png}" --out "${zevodave_iconset}/icon_${name}.png")
endforeach()
add_custom_command(OUTPUT "${zevodave_icns}"
    COMMAND "${CMAKE_COMMAND}" -E rm -rf "${zevodave_iconset}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${zevodave_iconset}"
    ${zevodave_icon_commands}
    COMMAND "${ZEVODAVE_ICONUTIL}" -c icns -o "${zevodave_icns}" "${zevodave_iconset}"
    DEPENDS "${zevodave_png}" VERBATIM)
target_sources(zevodave PRIVATE "${zevodave_icns}")
set_source_files_properties("${zevodave_icns}" PROPERTIES MACOSX_PACKAGE_LOCATION Resources)

set_target_properties(zevodave PROPERTIES
    MACOSX_BUNDLE_GUI_IDENTIFIER io.github.zevodave.Zevodave
    MACOSX_BUNDLE_BUNDLE_NAME "${ZEVODAVE_TITLE}"
    MACOSX_BUNDLE_BUNDLE_VERSION "${PROJECT_VERSION}"
    MACOSX_BUNDLE_SHORT_VERSION_STRING "${PROJECT_VERSION}"
    MACOSX_BUNDLE_ICON_FILE zevodave.icns)
