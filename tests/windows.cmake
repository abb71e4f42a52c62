# SPDX-FileCopyrightText: 2026 Die Flockenlinie-Entwickler
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build's tests, run as Windows programs under Wine in a prefix
# of this build's own, on a display of their own (tools/mit_xvfb.sh).

set(wine_prefix ${PROJECT_BINARY_DIR}/wine)
set(unter_wine ${PROJECT_SOURCE_DIR}/tools/unter_wine.sh ${wine_prefix})
set(CMAKE_CROSSCOMPILING_EMULATOR ${unter_wine})

# One Wine process for the whole calculation suite: a process per case
# would cost more than the cases.
add_test(NAME calc_tests COMMAND ${unter_wine} $<TARGET_FILE:calc_tests>)
# A Wine process that starts in another locale than the last one rewrites
# the number format in the registry, under the feet of a window test that
# has yet to read it: so one Wine process at a time, German unless said.
set(eine_nach_der_anderen RESOURCE_LOCK wine_gebietsschema ENVIRONMENT LC_ALL=de_DE.UTF-8)
set_tests_properties(calc_tests PROPERTIES TIMEOUT 60 ${eine_nach_der_anderen})

# The window, driven by its test in a process of its own for each case, one
# case at a time (also on the one display); in German, then once in each
# further locale for the number format.
add_executable(fenster_win32_tests fenster_win32_test.cpp)
target_link_libraries(fenster_win32_tests PRIVATE flockenlinie_manifest flockenlinie_fenster GTest::gtest_main)
gtest_discover_tests(fenster_win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES TIMEOUT 30 ${eine_nach_der_anderen})
# A filter that matches no test passes in GoogleTest, which then says it
# passed 0 tests: that fails here.
foreach(gebiet de_CH en_US fr_FR)
    add_test(NAME Gebietsschema.${gebiet} COMMAND fenster_win32_tests --gtest_filter=Gebietsschema.*)
    set_tests_properties(Gebietsschema.${gebiet} PROPERTIES TIMEOUT 30 RESOURCE_LOCK wine_gebietsschema
        ENVIRONMENT LC_ALL=${gebiet}.UTF-8 FAIL_REGULAR_EXPRESSION "PASSED  \\] 0 tests")
endforeach()

# The stack protector, on a planted overflow in a program built as the
# program is (without the tests' -O0).
add_executable(stapelschutz_win32 stapelschutz_win32.cpp)
target_link_options(stapelschutz_win32 PRIVATE -municode)
get_target_property(optionen stapelschutz_win32 COMPILE_OPTIONS)
list(REMOVE_ITEM optionen -O0)
set_target_properties(stapelschutz_win32 PROPERTIES COMPILE_OPTIONS "${optionen}")
add_test(NAME stapelschutz COMMAND stapelschutz_win32)
set_tests_properties(stapelschutz PROPERTIES TIMEOUT 60 ${eine_nach_der_anderen})
