# Runs the bitmap generator into an empty folder and checks that it makes exactly the committed bitmaps.
# Arguments: GENERATOR (the generator's path), OUTPUT (a scratch folder), EXPECTED (resources/bitmaps).
file(REMOVE_RECURSE "${OUTPUT}")
file(MAKE_DIRECTORY "${OUTPUT}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()

file(GLOB made RELATIVE "${OUTPUT}" "${OUTPUT}/*")
file(GLOB committed RELATIVE "${EXPECTED}" "${EXPECTED}/*")
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
    message(FATAL_ERROR "the generator made [${made}], the repository has [${committed}]")
endif()

foreach(name IN LISTS committed)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/${name}" "${EXPECTED}/${name}"
                    RESULT_VARIABLE differs)
    if(differs)
        message(SEND_ERROR "${name}: the generator's output differs from the committed file")
    endif()
endforeach()
