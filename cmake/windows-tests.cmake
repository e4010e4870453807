# Tests that run a Windows program through an emulator (cmake/wine-run) report skipped, not failed, where the
# emulator cannot run it on this machine: a 32-bit program on a kernel that runs no 32-bit programs. The
# runner then exits 77 with a line "<runner>: skipped: <why>", which is the test's output whatever wraps it.
set(HUEBIRD_SKIPPED_RETURN_CODE 77)
set(HUEBIRD_SKIPPED_PATTERN "[a-z0-9-]+: skipped: ")

# huebird_skippable_tests(NAME...): marks the tests so.
function(huebird_skippable_tests)
    set_tests_properties(${ARGN} PROPERTIES
        SKIP_RETURN_CODE ${HUEBIRD_SKIPPED_RETURN_CODE} SKIP_REGULAR_EXPRESSION "${HUEBIRD_SKIPPED_PATTERN}")
endfunction()

# What the probe says of this machine, once at configure time, where the tests it governs are registered.
if(CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_HOST_UNIX)
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/runs-32bit OUTPUT_VARIABLE huebird_no_32bit
                    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE huebird_runs_32bit)
    if(NOT huebird_runs_32bit EQUAL 0)
        message(STATUS "32-bit programs: none on this machine, so this tree's Wine tests will report skipped: "
                       "${huebird_no_32bit}")
    endif()
endif()
