# Runs huebird-console through several runs and compares its transcript with the one expected.
# Usage: cmake -DPROGRAM=<huebird-console> -P transcript_test.cmake
set(runs
    --select "#00ff00" --confirm
    --select hello --choose 18,52,86
    --confirm
    --custom "1=#FF8800" --cancel
    --window 2 --select navy --choose red
    --window 2 --custom 16=0,128,255 --confirm
    --select fuchsias --confirm
    --select "#12G456" --choose 255,0,1
)
# What the editor saw, run by run: the remembered code and the custom colours carry over, also to window 2.
set(expected [=[
run 1 in window 1, selection "#00ff00"
  editor: asked for the selection into 8 bytes, hands over 7: "#00ff00"
  dialog: opens on #00FF00 (red 0, green 255, blue 0); custom colours all black
  dialog: OK, colour unchanged
  editor: enters "lime"
run 2 in window 1, selection "hello"
  editor: asked for the selection into 8 bytes, hands over 5: "hello"
  dialog: opens on #000000 (red 0, green 0, blue 0); custom colours all black
  dialog: OK with #123456 (red 18, green 52, blue 86)
  editor: enters "#123456"
run 3 in window 1, nothing selected
  editor: asked for the selection into 8 bytes, hands over 0
  dialog: opens on #123456 (red 18, green 52, blue 86); custom colours all black
  dialog: OK, colour unchanged
  editor: enters "#123456"
run 4 in window 1, nothing selected
  editor: asked for the selection into 8 bytes, hands over 0
  dialog: opens on #123456 (red 18, green 52, blue 86); custom colours all black
  dialog: custom colour 1 set to #FF8800
  dialog: Cancel
  editor: nothing entered
run 5 in window 2, selection "navy"
  editor: asked for the selection into 8 bytes, hands over 4: "navy"
  dialog: opens on #000080 (red 0, green 0, blue 128); custom colours 1=#FF8800, the others black
  dialog: OK with #FF0000 (red 255, green 0, blue 0)
  editor: enters "red"
run 6 in window 2, nothing selected
  editor: asked for the selection into 8 bytes, hands over 0
  dialog: opens on #123456 (red 18, green 52, blue 86); custom colours 1=#FF8800, the others black
  dialog: custom colour 16 set to #0080FF
  dialog: OK, colour unchanged
  editor: enters "#123456"
run 7 in window 1, selection "fuchsias"
  editor: asked for the selection into 8 bytes, hands over 8: "fuchsias"
  dialog: opens on #FF00FF (red 255, green 0, blue 255); custom colours 1=#FF8800 16=#0080FF, the others black
  dialog: OK, colour unchanged
  editor: enters "fuchsia"
run 8 in window 1, selection "#12G456"
  editor: asked for the selection into 8 bytes, hands over 7: "#12G456"
  dialog: opens on #123456 (red 18, green 52, blue 86); custom colours 1=#FF8800 16=#0080FF, the others black
  dialog: OK with #FF0001 (red 255, green 0, blue 1)
  editor: enters "#FF0001"
]=])

execute_process(COMMAND ${PROGRAM} ${runs} INPUT_FILE /dev/null
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result STREQUAL "0")
    message(FATAL_ERROR "expected exit status 0, got ${result}; stderr: ${errors}")
endif()
if(NOT errors STREQUAL "")
    message(FATAL_ERROR "expected nothing on stderr, got: ${errors}")
endif()
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "transcript differs\n--- expected\n${expected}--- got\n${output}")
endif()
