# Runs huebird-console through several runs and compares its transcript with the one expected.
# Usage: cmake -DPROGRAM=<huebird-console> -DEXPECTED=<transcript file> -P transcript_test.cmake
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
execute_process(COMMAND ${PROGRAM} ${runs} INPUT_FILE /dev/null
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result STREQUAL "0")
    message(FATAL_ERROR "expected exit status 0, got ${result}; stderr: ${errors}")
endif()
if(NOT errors STREQUAL "")
    message(FATAL_ERROR "expected nothing on stderr, got: ${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT output STREQUAL expected)
    message(FATAL_ERROR "transcript differs from ${EXPECTED}\n--- expected\n${expected}--- got\n${output}")
endif()
