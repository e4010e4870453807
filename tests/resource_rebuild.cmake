# Proves that an incremental build of Huebird.dll picks up edited resources: in a scratch copy of the sources,
# builds the DLL, edits a string in resources/strings.h and then a bitmap, rebuilds, and looks at the DLL.
# Usage: cmake -DSOURCE=<repository> -DSCRATCH=<folder> -DPRESET=<preset> -P resource_rebuild.cmake

foreach(var SOURCE SCRATCH PRESET)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "resource_rebuild: ${var} is not set")
    endif()
endforeach()
set(dll ${SCRATCH}/build/${PRESET}/host/Huebird.dll)

# Runs one cmake command in the copy; its output is shown only when it fails.
function(run_in_copy what)
    execute_process(COMMAND ${CMAKE_COMMAND} ${ARGN} WORKING_DIRECTORY ${SCRATCH}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "resource_rebuild: ${what} failed (${status}):\n${output}")
    endif()
    message(STATUS "resource_rebuild: ${what}")
endfunction()

function(build_dll what)
    run_in_copy("${what}" --build --preset ${PRESET} --target Huebird)
endfunction()

# The string table holds UTF-16LE: the hexadecimal of an ASCII text as it appears there.
function(utf16_hex text out)
    string(HEX "${text}" hex)
    string(REGEX REPLACE "(..)" "\\100" hex "${hex}")
    set(${out} ${hex} PARENT_SCOPE)
endfunction()

# Fails unless the DLL's string table holds `present` and not `absent`.
function(expect_strings present absent)
    file(READ ${dll} dll_hex HEX)
    utf16_hex("${present}" present_hex)
    utf16_hex("${absent}" absent_hex)
    string(FIND "${dll_hex}" "${present_hex}" present_at)
    string(FIND "${dll_hex}" "${absent_hex}" absent_at)
    if(present_at EQUAL -1 OR NOT absent_at EQUAL -1)
        message(FATAL_ERROR "resource_rebuild: expected the DLL to hold \"${present}\" and not \"${absent}\"; "
                            "it holds the first: ${present_at} (offset in hex digits, -1 for none), "
                            "the second: ${absent_at}")
    endif()
endfunction()

# A fresh copy of everything but build output and version control.
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/* ${SOURCE}/.[!.]*)
foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "^(build|dist|\\.git)$")
        file(COPY ${SOURCE}/${entry} DESTINATION ${SCRATCH})
    endif()
endforeach()

run_in_copy("configure" --preset ${PRESET})
build_dll("first build")
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/version_text.cmake)
huebird_read_version_text(${SOURCE})
set(old_text "${HUEBIRD_VERSION_TEXT}")
set(new_text "Version ${HUEBIRD_VERSION} rebuilt")
expect_strings("${old_text}" "${new_text}")

# The edit: one string's text, in the header the resource script includes.
set(strings_h ${SCRATCH}/resources/strings.h)
file(READ ${strings_h} strings)
string(REPLACE "\"${old_text}\"" "\"${new_text}\"" edited "${strings}")
if(edited STREQUAL strings)
    message(FATAL_ERROR "resource_rebuild: ${strings_h} has no \"${old_text}\" to edit")
endif()
file(WRITE ${strings_h} "${edited}")
build_dll("rebuild after editing strings.h")
expect_strings("${new_text}" "${old_text}")

# A bitmap replaced by another of the same size: the DLL must change with it.
file(SHA256 ${dll} before)
file(COPY_FILE ${SCRATCH}/resources/bitmaps/small_256color.bmp ${SCRATCH}/resources/bitmaps/small_16color.bmp)
file(TOUCH ${SCRATCH}/resources/bitmaps/small_16color.bmp) # as an editor's save would date it
build_dll("rebuild after replacing a bitmap")
file(SHA256 ${dll} after)
if(before STREQUAL after)
    message(FATAL_ERROR "resource_rebuild: the DLL did not change after a bitmap was replaced")
endif()

file(REMOVE_RECURSE ${SCRATCH})
message(STATUS "resource_rebuild: ok, the rebuilt DLL holds the edited string and the replaced bitmap")
