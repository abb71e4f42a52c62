# The Windows build's tests, run as Windows programs under Wine in a prefix
# of this build's own, on a display of their own (tools/mit_xvfb.sh).

set(wine_prefix ${PROJECT_BINARY_DIR}/wine)
set(unter_wine ${PROJECT_SOURCE_DIR}/tools/unter_wine.sh ${wine_prefix})
set(CMAKE_CROSSCOMPILING_EMULATOR ${unter_wine})

# One Wine process for the whole calculation suite: a process per case
# would cost more than the cases.
set_target_properties(calc_tests PROPERTIES CROSSCOMPILING_EMULATOR "${unter_wine}")
add_test(NAME calc_tests COMMAND calc_tests)
set_tests_properties(calc_tests PROPERTIES TIMEOUT 60)

# The program: statically linked, it asks Windows for nothing but Windows' own DLLs.
find_program(OBJDUMP x86_64-w64-mingw32-objdump REQUIRED)
add_test(NAME programmdatei
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/programmdatei_test.sh ${OBJDUMP} $<TARGET_FILE:flockenlinie>)
