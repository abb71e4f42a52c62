# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer and the portable ZIP, made by `cpack` in the Windows
# build: flockenlinie-<version>-win64.exe and flockenlinie-<version>-win64.zip.
# Both hold just flockenlinie.exe (linked statically, it needs nothing else).

install(TARGETS flockenlinie RUNTIME DESTINATION . COMPONENT programm)

set(CPACK_PACKAGE_NAME Flockenlinie)
set(CPACK_PACKAGE_VENDOR Flockenlinie)
set(CPACK_PACKAGE_VERSION ${FLOCKENLINIE_VERSION})
set(CPACK_PACKAGE_FILE_NAME flockenlinie-${FLOCKENLINIE_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Flockenlinie)
# One entry under "Apps" for every version, so that an update replaces it.
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Flockenlinie)
set(CPACK_GENERATOR NSIS ZIP)
# Only the program: nothing of the test libraries built alongside it.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Flockenlinie;programm;/")
set(CPACK_STRIP_FILES ON)

# The installer script is packaging/windows/NSIS.template.in, found through
# the module path; makensis builds it as a 64-bit installer.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_LIST_DIR}/makensis-amd64.sh)
set(CPACK_NSIS_MUI_ICON ${FLOCKENLINIE_ICO})
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})

include(CPack)

if(FLOCKENLINIE_TESTS)
    # Installs, starts and uninstalls the program under Wine, on a display of its own.
    add_test(NAME installer
        COMMAND ${PROJECT_SOURCE_DIR}/tools/mit_xvfb.sh ${PROJECT_SOURCE_DIR}/tests/installer_test.sh
                ${PROJECT_BINARY_DIR} ${FLOCKENLINIE_VERSION})
    set_tests_properties(installer PROPERTIES TIMEOUT 300)  # 40 s idle, 120 s on a busy machine
endif()
