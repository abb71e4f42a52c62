# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack on the staged package: takes from the executables the
# compiler's .comment and .note sections, which strip leaves and which no
# one needs at run time.
find_program(STRIP strip REQUIRED)
file(GLOB programme "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(programm ${programme})
    execute_process(COMMAND ${STRIP} --remove-section=.comment --remove-section=.note ${programm}
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
