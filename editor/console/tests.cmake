# The terminal editor's tests: its answers natively, and the program's output end to end.

# Its answers to the plug-in on the table that the window's tests run too.
find_package(GTest REQUIRED)
include(GoogleTest)
add_executable(console_editor_test console_editor_test.cpp)
target_link_libraries(console_editor_test PRIVATE console_editor GTest::gtest GTest::gtest_main)
gtest_discover_tests(console_editor_test)

# The program itself: a transcript of several runs, bad arguments, and a user's terminal.
foreach(test transcript bad_arguments)
    add_test(NAME huebird_console.${test}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:huebird-console> -P ${CMAKE_CURRENT_SOURCE_DIR}/${test}_test.cmake)
endforeach()
add_test(NAME huebird_console.terminal
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/terminal_test $<TARGET_FILE:huebird-console>)
