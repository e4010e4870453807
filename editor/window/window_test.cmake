# Runs one case of huebird-window under Wine and checks the outcome.
# Usage: cmake -DEMULATOR=<wine-run|prefix> -DPROGRAM=<huebird-window.exe> -DCASE=<name> -P window_test.cmake
# (EMULATOR's parts are joined with |; it is empty where the program runs as it is.)
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/../argument_error.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/version_text.cmake)

# The plug-in's version text, and its answer to the ANSI request: its length and the NUL. The transcripts
# below name them @HUEBIRD_VERSION_TEXT@ and @VERSION_ANSWER@.
huebird_read_version_text(${CMAKE_CURRENT_LIST_DIR}/../..)
string(LENGTH "${HUEBIRD_VERSION_TEXT}" VERSION_ANSWER)
math(EXPR VERSION_ANSWER "${VERSION_ANSWER} + 1")

string(REPLACE "|" ";" emulator "${EMULATOR}")

# Runs the program; sets output, errors and result in the caller.
function(run_window)
    execute_process(COMMAND ${emulator} ${PROGRAM} ${ARGN} INPUT_FILE /dev/null
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    string(REPLACE "\r" "" err "${err}")
    # The runner could not run it here (a 32-bit program on a machine without 32-bit support): its line ends
    # the case, which then reports skipped.
    if(status EQUAL 77 AND err MATCHES "skipped: ")
        message(NOTICE "${err}")
        message(FATAL_ERROR "not run here")
    endif()
    set(output "${out}" PARENT_SCOPE)
    set(errors "${err}" PARENT_SCOPE)
    set(result "${status}" PARENT_SCOPE)
endfunction()

function(expect_success)
    if(NOT result STREQUAL "0")
        message(FATAL_ERROR "expected exit status 0, got ${result}\nstdout:\n${output}\nstderr:\n${errors}")
    endif()
endfunction()

# The transcript without its OnEvents lines, whose focus events follow window activation, against the
# expected. The plug-in's answers when it is loaded open every transcript.
set(loaded [=[
start with the plug-in Huebird.dll
  editor: window 1 opens
  plug-in: name: 0x903 (UTF-16) answers 0, 0x902 (ANSI) answers 8: "Huebird"
  plug-in: version: 0x905 (UTF-16) answers 0, 0x904 (ANSI) answers @VERSION_ANSWER@: "@HUEBIRD_VERSION_TEXT@"
  plug-in: 0x900 (has properties) answers 0
  plug-in: 0x906 (takes part in its uninstall) answers 1
]=])
# The expected lines may come in several arguments, joined.
function(expect_transcript)
    string(REGEX REPLACE "  events: [^\n]*\n" "" steps "${output}")
    set(expected "${loaded}")
    math(EXPR last "${ARGC} - 1")
    foreach(index RANGE ${last})
        string(APPEND expected "${ARGV${index}}")
    endforeach()
    string(APPEND expected "end\n")
    string(CONFIGURE "${expected}" expected @ONLY)
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

# The output holds pattern exactly count times; what says what was counted.
function(expect_count pattern count what)
    string(REGEX MATCHALL "${pattern}" matches "${output}")
    list(LENGTH matches found)
    if(NOT found EQUAL count)
        message(FATAL_ERROR "expected ${count} ${what}, got ${found}:\n${output}")
    endif()
endfunction()

# The plug-in's 0x802 request after a change of the modified state, and the status query that answers it.
set(update_toolbar [=[
  plug-in: sends 0x802 (update toolbar) for 5632
  editor: QueryStatus(view 1) for 5632: enabled, not checked (button and menu item redrawn)
]=])

if(CASE STREQUAL "confirmed_code_enters_name")
    run_window(--text "#00ff00" --confirm)
    expect_success()
    expect_transcript([=[
run 1 in window 1
  editor: document "#00ff00", selected "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0)
  dialog: OK, colour unchanged
  editor: enters "lime"
]=] "${update_toolbar}" [=[
  editor: document "lime"
]=])
    # The events as the plug-in gets them: its first event with its command ID, the frame's, and after the
    # insertion the text and modified state, whose 0x802 comes back and is answered by a status query.
    # (Focus events follow the display's own timing, so they are left out.)
    expect_lines_in_order(
        "  events: OnEvents(view 1, 0x400 plug-in loaded, 5632)"
        "  events: OnEvents(view 1, 0x10000 window opened, 5632)"
        "  plug-in: name: 0x903 (UTF-16) answers 0, 0x902 (ANSI) answers 8: \"Huebird\""
        "run 1 in window 1"
        "  dialog: opens on #00FF00 (red 0, green 255, blue 0)"
        "  editor: enters \"lime\""
        "  events: OnEvents(view 1, 0x200 text altered, 0)"
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  plug-in: sends 0x802 (update toolbar) for 5632"
        "  editor: QueryStatus(view 1) for 5632: enabled, not checked (button and menu item redrawn)"
        "  events: OnEvents(view 1, 0x10 selection changed, 0)"
        "  events: OnEvents(view 1, 0x20 caret moved, 0)"
        "end"
        "  events: OnEvents(view 1, 0x20000 window closing, 0)"
        "  events: OnEvents(null, 0x800 plug-in may be freed, 0)")
    expect_count("0x400 plug-in loaded" 1 "0x400 events (once, at load)")

elseif(CASE STREQUAL "chosen_colour_enters_code")
    run_window(--text "hello" --choose 18,52,86)
    expect_success()
    expect_transcript([=[
run 1 in window 1
  editor: document "hello", selected "hello"
  editor: asked for the selection into 8 bytes, hands over 5: "hello"
  dialog: opens on #000000 (red 0, green 0, blue 0)
  dialog: OK with #123456 (red 18, green 52, blue 86)
  editor: enters "#123456"
]=] "${update_toolbar}" [=[
  editor: document "#123456"
]=])

elseif(CASE STREQUAL "cancel_leaves_document")
    run_window(--text "p { color: #00ff00 }" --select "#00ff00" --cancel)
    expect_success()
    expect_transcript([=[
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
    string(REPLACE "view 1" "view 2" update_toolbar_2 "${update_toolbar}")
    expect_transcript([=[
run 1 in window 1
  editor: document "hello", selected "hello"
  editor: asked for the selection into 8 bytes, hands over 5: "hello"
  dialog: opens on #000000 (red 0, green 0, blue 0)
  dialog: OK with #123456 (red 18, green 52, blue 86)
  editor: enters "#123456"
]=] "${update_toolbar}" [=[
  editor: document "#123456"
run 2 in window 2
  editor: window 2 opens
  editor: document "", nothing selected
  editor: asked for the selection into 8 bytes, hands over 0
  dialog: opens on #123456 (red 18, green 52, blue 86)
  dialog: OK, colour unchanged
  editor: enters "#123456"
]=] "${update_toolbar_2}" [=[
  editor: document "#123456"
]=])
    expect_lines_in_order(
        "  events: OnEvents(view 1, 0x400 plug-in loaded, 5632)"
        "  editor: window 2 opens"
        "  events: OnEvents(view 2, 0x10000 window opened, 5632)"
        "  events: OnEvents(view 2, 0x40 modified state changed, 0)"
        "end"
        "  events: OnEvents(view 2, 0x20000 window closing, 0)"
        "  events: OnEvents(view 1, 0x20000 window closing, 0)"
        "  events: OnEvents(null, 0x800 plug-in may be freed, 0)")

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

elseif(CASE STREQUAL "typing_and_saving_change_the_modified_state")
    # The first key makes the document modified, the next ones only alter it; saving makes it unmodified.
    # Each change of the modified state brings the plug-in's 0x802 and its answer.
    run_window(--type "ab" --save --type "c" --cancel)
    expect_success()
    expect_lines_in_order(
        "  editor: types \"ab\""
        "  events: OnEvents(view 1, 0x200 text altered, 0)"
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  plug-in: sends 0x802 (update toolbar) for 5632"
        "  editor: QueryStatus(view 1) for 5632: enabled, not checked (button and menu item redrawn)"
        "  events: OnEvents(view 1, 0x20 caret moved, 0)"
        "  events: OnEvents(view 1, 0x200 text altered, 0)"
        "  events: OnEvents(view 1, 0x20 caret moved, 0)"
        "  editor: File > Save: the document counts as saved (nothing is written)"
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  plug-in: sends 0x802 (update toolbar) for 5632"
        "  editor: types \"c\""
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  editor: asked for the selection into 8 bytes, hands over 0"
        "  dialog: Cancel")
    expect_count("0x40 modified state changed" 3 "changes of the modified state (typed, saved, typed)")

elseif(CASE STREQUAL "overwrite_setting_governs_insertions")
    # "X" typed over "abc" leaves the caret after it with nothing selected; with Edit > Overwrite on, the
    # colour entered replaces as many characters as it has, then off again it goes in between.
    run_window(--text "abcdefghij" --select "abc" --type "X" --overwrite on --confirm --overwrite off --confirm)
    expect_success()
    expect_lines_in_order(
        "  editor: Edit > Overwrite on"
        "  editor: enters \"black\", overwriting"
        "  editor: document \"Xblackij\""
        "  editor: Edit > Overwrite off"
        "  editor: enters \"black\""
        "  editor: document \"Xblackblackij\"")

elseif(CASE STREQUAL "long_document_keeps_its_text")
    # 100,000 characters, far past the edit control's default limit, and the colour code at their very end;
    # the file starts with a UTF-8 byte-order mark, which is no part of the text.
    string(REPEAT "p { color: white }\r\n" 4999 lines)
    string(ASCII 239 187 191 bom)
    file(WRITE long.txt "${bom}${lines}p { color: #00ff00 }")
    run_window(--text-file long.txt --select "#00ff00" --confirm)
    expect_success()
    expect_lines_in_order(
        "  editor: document of 100000 characters, \"p { color: white }\\r\\np { color:\" ... \" white }\\r\\np { color: #00ff00 }\", selected \"#00ff00\""
        "  editor: enters \"lime\""
        "  editor: document of 99997 characters, \"p { color: white }\\r\\np { color:\" ... \"or: white }\\r\\np { color: lime }\"")
    # A file that cannot be read fails the run and says so, instead of passing as an empty document.
    run_window(--text-file nothere.txt --confirm)
    if(NOT result STREQUAL "1" OR NOT errors MATCHES "cannot read the text file nothere.txt\n")
        message(FATAL_ERROR "expected exit status 1 and 'cannot read the text file nothere.txt', got ${result}: "
                            "${errors}")
    endif()

elseif(CASE STREQUAL "failed_insertion_fails_the_run")
    # A view that holds 6 characters cannot take "black" for the "a" of "navy": the run fails and says why,
    # and the document keeps its text and stays unmodified. Keys typed after it count only while the view
    # takes them: "123" in place of the "a", not "45".
    run_window(--limit 6 --text "navy" --select "a" --confirm --type "12345" --save --cancel)
    string(REGEX MATCHALL "\n" newlines "${errors}")
    list(LENGTH newlines lines)
    set(reason "^huebird-window: window 1 cannot enter \"black\"")
    if(NOT result STREQUAL "1" OR NOT lines EQUAL 1 OR NOT errors MATCHES "${reason}")
        message(FATAL_ERROR "expected exit status 1 and one line on stderr about \"black\", got ${result}:\n${errors}")
    endif()
    expect_lines_in_order(
        "  editor: enters \"black\""
        "  editor: document \"navy\""
        "  editor: types \"12345\""
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  editor: File > Save: the document counts as saved (nothing is written)"
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  editor: document \"n123vy\"")
    expect_count("0x200 text altered" 3 "text alterations (the three keys taken, not the insertion or the keys refused)")
    expect_count("0x40 modified state changed" 2 "changes of the modified state (the first key taken, the save)")

elseif(CASE STREQUAL "line_breaks_in_text_and_selection_are_the_views")
    # A line feed in --text and --select is the view's \r\n, so the selection is found and handed over whole.
    # A text that is not in the document fails its run, and stderr says which.
    run_window(--text "ab\ncd" --select "b\nc" --confirm --select "b\nc" --confirm)
    expect_lines_in_order(
        "  editor: document \"ab\\r\\ncd\", selected \"b\\r\\nc\""
        "  editor: asked for the selection into 8 bytes, hands over 4: \"b\\r\\nc\""
        "  editor: document \"ablackd\""
        "run 2 in window 1"
        "  editor: the document has no \"b\\r\\nc\"")
    if(NOT result STREQUAL "1" OR NOT errors STREQUAL "huebird-window: run 2 in window 1 did not go as asked; the transcript says how\n")
        message(FATAL_ERROR "expected exit status 1 and one line on stderr naming run 2, got ${result}:\n${errors}")
    endif()

elseif(CASE STREQUAL "presentation")
    run_window(--present)
    expect_success()
    expect_transcript([=[
presentation in window 1
  plug-in: name: 0x903 (UTF-16) answers 0, 0x902 (ANSI) answers 8: "Huebird"
  plug-in: version: 0x905 (UTF-16) answers 0, 0x904 (ANSI) answers @VERSION_ANSWER@: "@HUEBIRD_VERSION_TEXT@"
  plug-in: 0x900 (has properties) answers 0
  plug-in: 0x906 (takes part in its uninstall) answers 1
  menu item 5632: "色を選択し16進数で入力する" (string 1), enabled, not checked
  menu item properties: "Huebird &Properties...", disabled
  menu item uninstall: "&Uninstall Huebird...", enabled
  status bar: "色を選択し16進数で入力" (string 2)
  tooltip: "16進数色入力"
  toolbar button 5632: enabled, not checked
  default bitmap (GetBitmapID): 101
  toolbar small, 16 colours: 0x908 (bitmap) with flags 0x0 answers 101 (16x16, 8 bits a pixel, 16 palette colours), button picture 16x16
  toolbar small, 256 colours: 0x908 (bitmap) with flags 0x10 answers 103 (16x16, 8 bits a pixel, 256 palette colours), button picture 16x16
  toolbar small, true colour: 0x908 (bitmap) with flags 0x20 answers 105 (16x16, 24 bits a pixel, no palette), button picture 16x16
  toolbar large, 16 colours: 0x908 (bitmap) with flags 0x1 answers 102 (24x24, 8 bits a pixel, 16 palette colours), button picture 24x24
  toolbar large, 256 colours: 0x908 (bitmap) with flags 0x11 answers 104 (24x24, 8 bits a pixel, 256 palette colours), button picture 24x24
  toolbar large, true colour: 0x908 (bitmap) with flags 0x21 answers 106 (24x24, 24 bits a pixel, no palette), button picture 24x24
]=])

elseif(CASE STREQUAL "uninstall_answered_no_keeps_plugin")
    run_window(--uninstall no --text "#00ff00" --confirm)
    expect_success()
    expect_transcript([=[
uninstall in window 1
  plug-in: 0x906 (takes part in its uninstall) answers 1
  message box: "アンインストールしてもよろしいですか？", caption "EmEditor"
  message box: No
  plug-in: 0x907 (confirm uninstall) answers 0: the plug-in stays
  editor: the library is still in the process
run 1 in window 1
  editor: document "#00ff00", selected "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0)
  dialog: OK, colour unchanged
  editor: enters "lime"
]=] "${update_toolbar}" [=[
  editor: document "lime"
]=])

elseif(CASE STREQUAL "uninstall_answered_yes_unloads_plugin_from_every_window")
    run_window(--window 2 --uninstall yes --window 1 --present)
    expect_success()
    expect_transcript([=[
uninstall in window 2
  editor: window 2 opens
  plug-in: 0x906 (takes part in its uninstall) answers 1
  message box: "アンインストールしてもよろしいですか？", caption "EmEditor"
  message box: Yes
  plug-in: 0x907 (confirm uninstall) answers 1: the plug-in is removed
  editor: the library is out of the process
presentation in window 1
  plug-in: none loaded; Plug-ins menu: "(no plug-in)"; toolbar buttons: 0
]=])
    # The plug-in hears that it may be freed before it is, and nothing after.
    expect_lines_in_order(
        "  plug-in: 0x907 (confirm uninstall) answers 1: the plug-in is removed"
        "  events: OnEvents(null, 0x800 plug-in may be freed, 0)"
        "  editor: the library is out of the process")
    string(REGEX MATCH "out of the process.*events:" after "${output}")
    if(after)
        message(FATAL_ERROR "expected no events after the plug-in was freed:\n${output}")
    endif()
elseif(CASE STREQUAL "another_plugin")
    # A plug-in that is not Huebird (other_plugin.cpp): a UTF-16 name, properties, other resource numbers, a
    # command that asks the editor what Huebird never does, and no part in its uninstall.
    run_window(--plugin other_plugin.dll --text "abcd" --select "b" --confirm --present --uninstall no)
    expect_success()
    expect_lines_in_order(
        "start with the plug-in other_plugin.dll"
        "  events: OnEvents(view 1, 0x400 plug-in loaded, 5632)"
        "  plug-in: name: 0x903 (UTF-16) answers 6: \"Other\""
        "  plug-in: version: 0x905 (UTF-16) answers 0, 0x904 (ANSI) answers 3: \"v9\""
        "  plug-in: 0x900 (has properties) answers 1"
        "  plug-in: 0x906 (takes part in its uninstall) answers 0"
        "run 1 in window 1"
        "  plug-in: sends 0x801 (query status) for 5632"
        "  editor: QueryStatus(view 1) for 5632: enabled, checked, answers 1"
        "  plug-in: sends 0x802 (update toolbar) for 77"
        "  editor: no command 77, 0x802 ignored"
        "  plug-in: sends 0x8FF (wParam 1, lParam 2)"
        "  editor: no such message, answers 0"
        "  editor: enters \"XY\", overwriting"
        "  events: OnEvents(view 1, 0x40 modified state changed, 0)"
        "  plug-in: sends 0x802 (update toolbar) for 5633"
        "  editor: no command 5633, 0x802 ignored"
        "  dialog: none opened, the answer goes unused"
        "  editor: document \"aXYcd\""
        "presentation in window 1"
        "  menu item 5632: \"\" (string 7), enabled, checked"
        "  menu item properties: \"Other &Properties...\", enabled"
        "  toolbar button 5632: enabled, checked"
        "  toolbar small, 16 colours: 0x908 (bitmap) with flags 0x0 answers 300 (no such bitmap in the module), button picture 16x16"
        "uninstall in window 1"
        "  editor: the plug-in is removed without being asked"
        "  events: OnEvents(null, 0x800 plug-in may be freed, 0)"
        "  editor: the library is out of the process"
        "end")

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

elseif(CASE STREQUAL "english_system")
    # Where Windows is not Japanese, the plug-in's English table: the editor's texts and the question, shot.
    file(REMOVE_RECURSE shots_english)
    set(ENV{HUEBIRD_WINE_LANG} en_US.UTF-8)
    run_window(--present --uninstall yes --shots shots_english)
    unset(ENV{HUEBIRD_WINE_LANG})
    expect_success()
    expect_lines_in_order(
        "presentation in window 1"
        "  menu item 5632: \"Choose a color and enter it in hexadecimal\" (string 1), enabled, not checked"
        "  status bar: \"Choose a color and enter it in hexadecimal\" (string 2)"
        "  tooltip: \"Hex color\""
        "uninstall in window 1"
        "  message box: \"Are you sure you want to uninstall?\", caption \"EmEditor\""
        "  message box: Yes"
        "  plug-in: 0x907 (confirm uninstall) answers 1: the plug-in is removed")
    execute_process(COMMAND identify -format "%m %w %h" shots_english/uninstall.png
        OUTPUT_VARIABLE format ERROR_VARIABLE problem RESULT_VARIABLE status)
    if(NOT status STREQUAL "0" OR NOT format MATCHES "^PNG [1-9][0-9]+ [1-9][0-9]+$")
        message(FATAL_ERROR "expected uninstall.png to be a PNG picture, identify says: ${format}${problem}")
    endif()

elseif(CASE STREQUAL "bad_arguments")
    # Each gets exit status 2 (1 for a plug-in that cannot be used), one line on stderr, nothing on stdout.
    # The parser's every message is window_unit_test's; these go through the whole program.
    set(cases unknown positional bad_component unanswered shots_folder_cannot_be_made missing_plugin
        plugin_without_exports plugin_of_the_other_word_size)
    set(unknown --frobnicate)
    set(positional hello)
    set(bad_component --choose 18,52,256)
    set(unanswered --text "#00ff00" --confirm --text red)
    set(missing_plugin --plugin nothere.dll --present)
    set(plugin_without_exports --plugin "C:\\windows\\system32\\comdlg32.dll" --present)
    # A system DLL of the other word size: the 64-bit one seen from a 32-bit program, or the other way round.
    set(shots_folder_cannot_be_made --shots nothere/shots --present)
    if(PROGRAM MATCHES "x86_64")
        set(plugin_of_the_other_word_size --plugin "C:\\windows\\syswow64\\comdlg32.dll" --present)
        # A prefix made where no 32-bit program runs has no 32-bit system DLLs to try.
        execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../../cmake/runs-32bit OUTPUT_VARIABLE why
                        RESULT_VARIABLE runs_32bit)
        if(NOT runs_32bit EQUAL 0)
            list(REMOVE_ITEM cases plugin_of_the_other_word_size)
            message(STATUS "plugin_of_the_other_word_size left out: ${why}")
        endif()
    else()
        set(plugin_of_the_other_word_size --plugin "C:\\windows\\sysnative\\comdlg32.dll" --present)
    endif()
    # What the one line says, beyond its form.
    set(missing_plugin_says "cannot load nothere.dll: the file or a DLL that it needs was not found")
    set(plugin_without_exports_says "comdlg32.dll as a plug-in: it has no export OnCommand")
    set(plugin_of_the_other_word_size_says
        "it is a (32|64)-bit DLL, which this (32|64)-bit window cannot load \\(error 193\\): run the (32|64)-bit")
    set(shots_folder_cannot_be_made_says "--shots nothere/shots cannot be made: the folder that would hold it")
    set(failures "")
    foreach(case IN LISTS cases)
        set(status 2)
        if(case MATCHES "plugin")
            set(status 1)
        endif()
        run_window(${${case}})
        expect_argument_error(${case} huebird-window ${status})
        if(DEFINED ${case}_says AND NOT errors MATCHES "${${case}_says}")
            string(APPEND failures "${case}: expected stderr to say '${${case}_says}', got: ${errors}\n")
        endif()
    endforeach()
    # With no steps under the runner's virtual display nobody could close the window: it says so and ends.
    set(ENV{HUEBIRD_VIRTUAL_DISPLAY} 1)
    run_window()
    unset(ENV{HUEBIRD_VIRTUAL_DISPLAY})
    expect_argument_error(no_steps_on_a_virtual_display huebird-window 2)
    if(NOT errors MATCHES "nothing to do")
        string(APPEND failures "no steps on a virtual display: expected 'nothing to do', got: ${errors}\n")
    endif()
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
