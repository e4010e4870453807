# Tests that run a Windows program through an emulator (cmake/wine-run) report skipped, not failed, where the
# emulator cannot run it on this machine: a 32-bit program on a kernel that runs no 32-bit programs. The
# runner then exits 77 with a line "<runner>: skipped: <why>", which is the test's output whatever wraps it.
set(HUEBIRD_SKIPPED_RETURN_CODE 77)
set(HUEBIRD_SKIPPED_PATTERN "[a-z0-9-]+: skipped: ")

# huebird_skippable_tests(NAME...): marks the tests so, and has them run in the tree's Wine session.
function(huebird_skippable_tests)
    set_tests_properties(${ARGN} PROPERTIES
        SKIP_RETURN_CODE ${HUEBIRD_SKIPPED_RETURN_CODE} SKIP_REGULAR_EXPRESSION "${HUEBIRD_SKIPPED_PATTERN}")
    set_property(TEST ${ARGN} APPEND PROPERTY FIXTURES_REQUIRED wine_session)
endfunction()

# One Wine server and one virtual display for the tree's Wine tests, started before the first and ended after
# the last, whether they pass or fail, so that no run waits for either to start or end; the start also makes
# the prefix. Where the runner cannot run this tree's programs, the start starts nothing.
if(CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_HOST_UNIX)
    math(EXPR huebird_bits "${CMAKE_SIZEOF_VOID_P} * 8")
    add_test(NAME wine_session.start COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --start ${huebird_bits})
    add_test(NAME wine_session.stop COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} --stop)
    set_tests_properties(wine_session.start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300)
    set_tests_properties(wine_session.stop PROPERTIES FIXTURES_CLEANUP wine_session TIMEOUT 120)
endif()

# What the probe says of this machine, once at configure time, where the tests it governs are registered.
if(CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_HOST_UNIX)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/runs-32bit OUTPUT_VARIABLE huebird_no_32bit
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE huebird_runs_32bit)
    if(NOT huebird_runs_32bit EQUAL 0)
        message(STATUS "32-bit programs: none on this machine, so this tree's Wine tests will report skipped: "
                       "${huebird_no_32bit}")
    endif()
endif()
