# SPDX-License-Identifier: MIT
# The Windows build's tests run under Wine, on a virtual X screen of their own that the fixture
# `wine_session` starts once for the whole run (wine_session.sh): the same GoogleTest suites as
# on Linux, cross-built, each executable one CTest test (Wine starts a process in about a
# second, too slow to run every case alone), and the Windows checks in this folder. All carry
# the label `windows`.

# GoogleTest from the sources Debian ships (package googletest), built with the same compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Its targets GTest::gtest and GTest::gmock stand for the installed ones the Linux build finds.
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

set(FALORYS_WINE_SESSION "${CMAKE_BINARY_DIR}/wine-session")
set(FALORYS_WINE_RUN "${CMAKE_CURRENT_LIST_DIR}/wine_run.sh")
# add_test runs every test executable through this.
set(CMAKE_CROSSCOMPILING_EMULATOR "${FALORYS_WINE_RUN};${FALORYS_WINE_SESSION}")

add_test(NAME wine_session_start
    COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/wine_session.sh" start "${FALORYS_WINE_SESSION}")
add_test(NAME wine_session_stop
    COMMAND bash "${CMAKE_CURRENT_LIST_DIR}/wine_session.sh" stop "${FALORYS_WINE_SESSION}")
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session LABELS windows)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session LABELS windows)

# A test run under Wine in the session, one at a time: without a window manager, windows of two
# programs would overlap on the one screen.
function(falorys_wine_test name)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session LABELS windows
                         RESOURCE_LOCK wine_screen TIMEOUT 150)
endfunction()

# Left out here: the faces' resolution through fontconfig's aliases (on Windows the classic faces
# are the real ones).
set(linux_only FontMapping.FacesResolveToTheirInstalledTwins)

# In this build, the suites' executables are registered whole. The environment they ask for
# holds, with Windows' own platform in place of the offscreen one, which finds no fonts there.
function(gtest_discover_tests target)
    cmake_parse_arguments(ARG "" "DISCOVERY_TIMEOUT" "PROPERTIES" ${ARGN})
    add_test(NAME ${target} COMMAND ${target} "--gtest_filter=-${linux_only}")
    list(TRANSFORM ARG_PROPERTIES REPLACE "^(QT_QPA_PLATFORM=.*)offscreen$" "\\1windows")
    if(ARG_PROPERTIES)
        set_tests_properties(${target} PROPERTIES ${ARG_PROPERTIES})
    endif()
    falorys_wine_test(${target})
endfunction()
