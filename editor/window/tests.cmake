# The stand-in window's tests: its parts under Wine, and its scripted mode end to end.

# How the test scripts run a Windows program: the emulator's parts joined with |, or nothing on Windows.
string(REPLACE ";" "|" window_emulator "${CMAKE_CROSSCOMPILING_EMULATOR}")

# The parts that need Windows but no editor window: the ANSI conversions and hand-over, the dialog watch.
add_executable(window_unit_test window_unit_test.cpp text.cpp transcript.cpp)
target_link_libraries(window_unit_test PRIVATE editor_answers editor_logic dialog_driver)
target_compile_definitions(window_unit_test PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
if(MINGW)
    target_link_options(window_unit_test PRIVATE -municode -mconsole -static)
endif()
foreach(group ansi watch)
    add_test(NAME huebird_window_unit.${group} COMMAND window_unit_test ${group})
    set_tests_properties(huebird_window_unit.${group} PROPERTIES TIMEOUT 60)
    huebird_skippable_tests(huebird_window_unit.${group})
endforeach()

# A plug-in that is not Huebird, which the window must play by the same contract.
add_library(other_plugin SHARED other_plugin.cpp other_plugin.def)
target_include_directories(other_plugin PRIVATE ${PROJECT_SOURCE_DIR}/editor/logic ${PROJECT_SOURCE_DIR})
set_target_properties(other_plugin PROPERTIES PREFIX "")
target_link_libraries(other_plugin PRIVATE user32 kernel32)
if(MINGW)
    target_link_options(other_plugin PRIVATE -static)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        # The exports file names the functions undecorated, as the editor finds them.
        target_link_options(other_plugin PRIVATE -Wl,--enable-stdcall-fixup)
    endif()
endif()
add_dependencies(huebird-window other_plugin)

# The scripted mode end to end under Wine, with the real dialogs: one case a test, each in a fresh process
# so that it starts from the plug-in's state at load.
foreach(case confirmed_code_enters_name chosen_colour_enters_code cancel_leaves_document
        second_window_opens_on_remembered_code custom_colours_set_in_their_slots
        selection_handed_over_in_whole_ansi_characters
        typing_and_saving_change_the_modified_state overwrite_setting_governs_insertions
        long_document_keeps_its_text failed_insertion_fails_the_run line_breaks_in_text_and_selection_are_the_views
        presentation uninstall_answered_no_keeps_plugin
        uninstall_answered_yes_unloads_plugin_from_every_window another_plugin screenshots english_system
        bad_arguments)
    add_test(NAME huebird_window.${case}
        COMMAND ${CMAKE_COMMAND} -DEMULATOR=${window_emulator} -DPROGRAM=$<TARGET_FILE:huebird-window>
                -DCASE=${case} -P ${CMAKE_CURRENT_SOURCE_DIR}/window_test.cmake
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    # Windows of the tree's tests share one display: the scripted windows take the foreground and open menus,
    # one at a time; the cases that shoot the screen run alone.
    set_tests_properties(huebird_window.${case} PROPERTIES TIMEOUT 120 RESOURCE_LOCK huebird_window)
    if(case MATCHES "^(screenshots|english_system)$")
        set_tests_properties(huebird_window.${case} PROPERTIES RUN_SERIAL ON)
    endif()
    huebird_skippable_tests(huebird_window.${case})
endforeach()
