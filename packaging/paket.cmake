# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack -G DEB` in the build tree.
set(CPACK_PACKAGE_NAME flockenlinie)
set(CPACK_PACKAGE_VERSION ${FLOCKENLINIE_VERSION})
set(CPACK_PACKAGE_VENDOR "Die Flockenlinie-Entwickler")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "estimate the snowfall level from the 850 hPa level")
# The long description under it, wrapped by CPack; an empty line starts a paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Flockenlinie estimates the snowfall level, the altitude above which
precipitation falls as snow. From the temperature and the geopotential
height of the 850 hPa level, as weather charts and radiosonde ascents
give them, it computes the level by the rule of thumb
height + (temperature - 2) x 150 m.

The window is in German; numbers are typed and shown as the user's
locale writes them.")
# Who builds the package: see packaging/CMakeLists.txt.
set(CPACK_PACKAGE_CONTACT "${FLOCKENLINIE_PAKETPFLEGER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# CPack installs into its staging tree by the build's install script, which
# writes the list of what it installed into the build folder, with the
# package's /usr paths. As the one component everything here is installed in
# (CMake's default, "Unspecified"), that list is install_manifest_Unspecified.txt
# and build/install_manifest.txt stays what `sudo cmake --install build` wrote.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(FLOCKENLINIE_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${FLOCKENLINIE_HOMEPAGE})
endif()
# Directories as Debian makes them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The libraries it links come from dpkg-shlibdeps. Qt's German texts for its
# own dialogs and menus are welcome, and so is Qt's Wayland platform, without
# which a Wayland desktop shows the window through XWayland, blurred when
# scaled; without either the program still runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
# Strip as dh_strip does: also the compiler's notes that strip leaves.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strippen.cmake)

include(CPack)
