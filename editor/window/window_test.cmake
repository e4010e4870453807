# Runs one case of huebird-window under Wine, or reads back window_unit_test's PNG, and checks the outcome.
# Usage: cmake -DEMULATOR=<wine-run|prefix> -DPROGRAM=<huebird-window.exe> -DCASE=<name> -P window_test.cmake
# (EMULATOR's parts are joined with |; it is empty where the program runs as it is.)
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../argument_error.cmake)

string(REPLACE "|" ";" emulator "${EMULATOR}")

# Runs the program; sets output, errors and result in the caller.
function(run_window)
    execute_process(COMMAND ${emulator} ${PROGRAM} ${ARGN} INPUT_FILE /dev/null
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    string(REPLACE "\r" "" err "${err}")
    set(output "${out}" PARENT_SCOPE)
    set(errors "${err}" PARENT_SCOPE)
    set(result "${status}" PARENT_SCOPE)
endfunction()

function(expect_success)
    if(NOT result STREQUAL "0")
        message(FATAL_ERROR "expected exit status 0, got ${result}\nstdout:\n${output}\nstderr:\n${errors}")
    endif()
endfunction()

# The transcript without its event lines, whose moments follow window activation, against the expected.
function(expect_transcript expected)
    string(REGEX REPLACE "  events: [^\n]*\n" "" steps "${output}")
    if(NOT steps STREQUAL expected)
        message(FATAL_ERROR "transcript differs\n--- expected\n${expected}--- got (event lines left out)\n${steps}"
                            "--- stderr\n${errors}")
    endif()
endfunction()

# Each expected line appears whole in the output, in this order; others may come between.
function(expect_lines_in_order)
    string(REPLACE ";" "\\;" text "${output}")
    string(REPLACE "\n" ";" lines "${text}")
    set(position 0)
    foreach(wanted IN LISTS ARGN)
        list(LENGTH lines count)
        set(found -1)
        foreach(index RANGE ${position} ${count})
            if(index LESS count)
                list(GET lines ${index} line)
                if(line STREQUAL wanted)
                    set(found ${index})
                    break()
                endif()
            endif()
        endforeach()
        if(found EQUAL -1)
            message(FATAL_ERROR "expected the line\n  ${wanted}\nafter line ${position} of the output:\n${output}")
        endif()
        math(EXPR position "${found} + 1")
    endforeach()
endfunction()

if(CASE STREQUAL "confirmed_code_enters_name")
    run_window(--text "#00ff00" --confirm)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
run 1 in window 1
  editor: document "#00ff00", selected "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0)
  dialog: OK, colour unchanged
  editor: enters "lime"
  editor: document "lime"
]=])

elseif(CASE STREQUAL "chosen_colour_enters_code")
    run_window(--text "hello" --choose 18,52,86)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
run 1 in window 1
  editor: document "hello", selected "hello"
  editor: asked for the selection into 8 bytes, hands over 5: "hello"
  dialog: opens on #000000 (red 0, green 0, blue 0)
  dialog: OK with #123456 (red 18, green 52, blue 86)
  editor: enters "#123456"
  editor: document "#123456"
]=])

elseif(CASE STREQUAL "cancel_leaves_document")
    run_window(--text "p { color: #00ff00 }" --select "#00ff00" --cancel)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
run 1 in window 1
  editor: document "p { color: #00ff00 }", selected "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0)
  dialog: Cancel
  editor: nothing entered
  editor: document "p { color: #00ff00 }"
]=])

elseif(CASE STREQUAL "second_window_opens_on_remembered_code")
    # The plug-in's memory is the process's: a code entered in window 1 presets the dialog in window 2.
    run_window(--text "hello" --choose 18,52,86 --window 2 --confirm)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
run 1 in window 1
  editor: document "hello", selected "hello"
  editor: asked for the selection into 8 bytes, hands over 5: "hello"
  dialog: opens on #000000 (red 0, green 0, blue 0)
  dialog: OK with #123456 (red 18, green 52, blue 86)
  editor: enters "#123456"
  editor: document "#123456"
run 2 in window 2
  editor: window 2 opens
  editor: document "", nothing selected
  editor: asked for the selection into 8 bytes, hands over 0
  dialog: opens on #123456 (red 18, green 52, blue 86)
  dialog: OK, colour unchanged
  editor: enters "#123456"
  editor: document "#123456"
]=])

elseif(CASE STREQUAL "custom_colours_set_in_their_slots")
    # Each slot's cell is read back by a click after Add: a cell that shows another colour fails the run. In
    # the second dialog, Add starts again from the first cell, so slot 3 comes after cells of the first run.
    run_window(--text "hello" --custom "3=#FF8000" --custom 10=navy --cancel --custom 1=lime --custom 16=white
               --custom "3=#FF8000" --confirm)
    expect_success()
    expect_lines_in_order(
        "  dialog: custom colour 3 set to #FF8000 (red 255, green 128, blue 0)"
        "  dialog: custom colour 10 set to #000080 (red 0, green 0, blue 128)"
        "  dialog: Cancel"
        "  dialog: custom colour 1 set to #00FF00 (red 0, green 255, blue 0)"
        "  dialog: custom colour 16 set to #FFFFFF (red 255, green 255, blue 255)"
        "  dialog: custom colour 3 set to #FF8000 (red 255, green 128, blue 0)"
        "  dialog: OK, colour unchanged"
        "  editor: enters \"black\"")

elseif(CASE STREQUAL "selection_handed_over_in_whole_ansi_characters")
    # In code page 932 each kanji takes two bytes: 8 bytes hold "色は" and four more, and a kanji that
    # would not fit whole is left out.
    run_window(--text "色は#00ff00" --cancel --text "abcdefg色" --cancel)
    expect_success()
    expect_lines_in_order(
        "  editor: asked for the selection into 8 bytes, hands over 8: \"色は#00f\""
        "  dialog: opens on #000000 (red 0, green 0, blue 0)"
        "  editor: asked for the selection into 8 bytes, hands over 7: \"abcdefg\"")

elseif(CASE STREQUAL "events_saved_in_one_window_come_back_in_another")
    run_window(--text "p { color: #00ff00 }" --select "#00ff00" --cancel --window 2 --cancel)
    expect_success()
    expect_lines_in_order(
        "  events: window 1 gets 0x00000000 back through MSG_REPLAY_PARAM (nothing saved yet)"
        "run 1 in window 1"
        "  events: window 1 saves 0x0001000B (selection at 11) through OnEvents"
        "run 2 in window 2"
        "  editor: window 2 opens"
        "  events: window 2 gets 0x0001000B back through MSG_REPLAY_PARAM (window 1, selection at 11)"
        "  events: window 2 saves 0x00020000 (selection at 0) through OnEvents")

elseif(CASE STREQUAL "presentation")
    run_window(--present)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
presentation in window 1
  name: "Huebird" (asked for 8 bytes)
  version: "Version 0.2 by Quenlo" (asked for 22 bytes)
  menu item: "色を選択し16進数で入力する" (string 1), enabled, not checked
  status bar: "色を選択し16進数で入力" (string 2)
  tooltip: "16進数色入力"
  toolbar button: enabled, not checked
  default bitmap (GetBitmapID): 101
  toolbar small, 16 colours: bitmap 101 (16x16, 8 bits a pixel, 16 palette colours), button picture 16x16
  toolbar small, 256 colours: bitmap 103 (16x16, 8 bits a pixel, 256 palette colours), button picture 16x16
  toolbar small, true colour: bitmap 105 (16x16, 24 bits a pixel, no palette), button picture 16x16
  toolbar large, 16 colours: bitmap 102 (24x24, 8 bits a pixel, 16 palette colours), button picture 24x24
  toolbar large, 256 colours: bitmap 104 (24x24, 8 bits a pixel, 256 palette colours), button picture 24x24
  toolbar large, true colour: bitmap 106 (24x24, 24 bits a pixel, no palette), button picture 24x24
]=])

elseif(CASE STREQUAL "uninstall_answered_no_keeps_plugin")
    run_window(--uninstall no --text "#00ff00" --confirm)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
uninstall in window 1
  message box: "アンインストールしてもよろしいですか？", caption "EmEditor"
  message box: No
  editor: PIP_CONFIRM_UNINSTALL answered 0: the plug-in stays
  editor: the library is still in the process
run 1 in window 1
  editor: document "#00ff00", selected "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0)
  dialog: OK, colour unchanged
  editor: enters "lime"
  editor: document "lime"
]=])

elseif(CASE STREQUAL "uninstall_answered_yes_unloads_plugin_from_every_window")
    run_window(--window 2 --uninstall yes --window 1 --present)
    expect_success()
    expect_transcript([=[
start with the plug-in Huebird.dll
  editor: window 1 opens
uninstall in window 2
  editor: window 2 opens
  message box: "アンインストールしてもよろしいですか？", caption "EmEditor"
  message box: Yes
  editor: PIP_CONFIRM_UNINSTALL answered 1: the plug-in is unloaded
  editor: the library is out of the process
presentation in window 1
  plug-in: none loaded; Plug-ins menu: "(no plug-in)"; toolbar buttons: 0
]=])

elseif(CASE STREQUAL "screenshots")
    # The dialog's shot shows the colour it opened on; ImageMagick reads every shot.
    file(REMOVE_RECURSE shots)
    run_window(--shots shots --text "#123456" --confirm --uninstall no)
    expect_success()
    foreach(shot run1-menu run1-dialog run1-window uninstall)
        execute_process(COMMAND identify -format "%m %w %h" shots/${shot}.png
            OUTPUT_VARIABLE format ERROR_VARIABLE problem RESULT_VARIABLE status)
        if(NOT status STREQUAL "0" OR NOT format MATCHES "^PNG [1-9][0-9]+ [1-9][0-9]+$")
            message(FATAL_ERROR "expected ${shot}.png to be a PNG picture, identify says: ${format}${problem}")
        endif()
    endforeach()
    execute_process(COMMAND convert shots/run1-dialog.png -format %c histogram:info:-
        OUTPUT_VARIABLE histogram RESULT_VARIABLE status)
    if(NOT histogram MATCHES "([0-9]+): \\([ 0-9,]+\\) #123456")
        message(FATAL_ERROR "expected the dialog's shot to show #123456, its colours are:\n${histogram}")
    endif()
    if(CMAKE_MATCH_1 LESS 1000)
        message(FATAL_ERROR "expected at least 1000 pixels of #123456 in the dialog's shot, got ${CMAKE_MATCH_1}")
    endif()

elseif(CASE STREQUAL "png_read_back")
    # PROGRAM is window_unit_test: it writes a picture and its pixels; ImageMagick decodes the picture.
    file(REMOVE png_pattern.png png_pattern.rgb decoded.rgb)
    run_window(png)
    expect_success()
    execute_process(COMMAND convert png_pattern.png -depth 8 rgb:decoded.rgb
        ERROR_VARIABLE problem RESULT_VARIABLE status)
    if(NOT status STREQUAL "0")
        message(FATAL_ERROR "expected ImageMagick to read png_pattern.png, it says: ${problem}")
    endif()
    file(SHA256 png_pattern.rgb written)
    file(SHA256 decoded.rgb decoded)
    if(NOT written STREQUAL decoded)
        file(SIZE png_pattern.rgb written_size)
        file(SIZE decoded.rgb decoded_size)
        message(FATAL_ERROR "expected the decoded pixels to be those written (${written_size} bytes), "
                            "got ${decoded_size} bytes that differ")
    endif()

elseif(CASE STREQUAL "bad_arguments")
    # Each gets exit status 2 (1 for a plug-in that cannot be used), one line on stderr, nothing on stdout.
    # The parser's every message is window_unit_test's; these go through the whole program.
    set(cases unknown positional bad_component unanswered missing_plugin plugin_without_exports)
    set(unknown --frobnicate)
    set(positional hello)
    set(bad_component --choose 18,52,256)
    set(unanswered --text "#00ff00" --confirm --text red)
    set(missing_plugin --plugin nothere.dll --present)
    set(plugin_without_exports --plugin "C:\\windows\\system32\\comdlg32.dll" --present)
    set(failures "")
    foreach(case IN LISTS cases)
        set(status 2)
        if(case MATCHES "plugin")
            set(status 1)
        endif()
        run_window(${${case}})
        expect_argument_error(${case} huebird-window ${status})
    endforeach()
    run_window(--help)
    if(NOT result STREQUAL "0" OR NOT output MATCHES "^Usage: huebird-window")
        string(APPEND failures "--help: expected exit status 0 and the usage, got ${result}: ${output}${errors}\n")
    endif()
    if(NOT failures STREQUAL "")
        message(FATAL_ERROR "${failures}")
    endif()

else()
    message(FATAL_ERROR "no test case named '${CASE}'")
endif()
