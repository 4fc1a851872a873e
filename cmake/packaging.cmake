# SPDX-FileCopyrightText: 2026 The Zevodave developers
# SPDX-License-Identifier: MIT

# The Debian package: `cpack -G DEB` in a build folder turns what
# `cmake --install` puts in place into zevodave_<version>_<arch>.deb.
# Configure with -DCMAKE_BUILD_TYPE=Release for the package users get.

set(CPACK_PACKAGE_NAME zevodave)
set(CPACK_PACKAGE_VENDOR "The Zevodave developers")
set(CPACK_PACKAGE_CONTACT "${ZEVODAVE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
    "Zevodave is a small desktop calculator for the colour code of four-band\n"
    "resistors, made to help electronics students learn the code. Pick a colour\n"
    "for each band, or type the band's value, and it shows the resistance with\n"
    "its tolerance.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links against, with the versions this build
# needs, as dpkg-shlibdeps finds them. Qt's X11 platform plugin, which Qt
# opens at run time, comes with libqt6gui6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program runs natively on Wayland with Qt's Wayland plugin; without it,
# Wayland desktops run it through XWayland. Qt's own translations word its
# standard texts (context menus, buttons) in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
