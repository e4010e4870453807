# Bad arguments to huebird-console: each gets exit status 2, one line on stderr and nothing on stdout.
# --help gets exit status 0 and the usage. Usage: cmake -DPROGRAM=<huebird-console> -P bad_arguments_test.cmake
set(cases unknown short positional option_as_selection bad_code short_code big_component no_value long_selection two_selections
    bad_window bad_slot bad_custom_color value_for_answer unanswered_without_terminal nothing_without_terminal)
set(unknown --frobnicate)
set(short -x --confirm)
set(positional hello)
set(option_as_selection --select --confirm)
set(bad_code --select hello --choose "#12G456")
set(short_code --choose "#12345")
set(big_component --choose 18,52,860)
set(no_value --select)
set(long_selection --select 123456789 --confirm)
set(two_selections --select red --select blue --confirm)
set(bad_window --window 9 --confirm)
set(bad_slot --custom 17=red --confirm)
set(bad_custom_color --custom "1=#12G456" --confirm)
set(value_for_answer --confirm=yes)
set(unanswered_without_terminal --select red --confirm --select blue)
set(nothing_without_terminal)

include(${CMAKE_CURRENT_LIST_DIR}/../argument_error.cmake)

set(failures "")
foreach(case IN LISTS cases)
    execute_process(COMMAND ${PROGRAM} ${${case}} INPUT_FILE /dev/null
        OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
    expect_argument_error(${case} huebird-console 2)
endforeach()

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result STREQUAL "0" OR NOT output MATCHES "^Usage: huebird-console" OR NOT errors STREQUAL "")
    string(APPEND failures "--help: expected exit status 0 and the usage, got ${result}: ${output}${errors}\n")
endif()

if(NOT failures STREQUAL "")
    message(FATAL_ERROR "${failures}")
endif()
