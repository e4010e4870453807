# The stand-in editors' answer to bad arguments, as their argument tests check it.

# Checks output, errors and result of the caller's last run of program on the arguments called name: exit
# status `status`, nothing on stdout, one line '<program>: ...' on stderr. Appends what differs to failures.
function(expect_argument_error name program status)
    string(REGEX MATCHALL "\n" newlines "${errors}")
    list(LENGTH newlines lines)
    if(NOT result STREQUAL status)
        string(APPEND failures "${name}: expected exit status ${status}, got ${result}\n")
    endif()
    if(NOT output STREQUAL "")
        string(APPEND failures "${name}: expected nothing on stdout, got: ${output}\n")
    endif()
    if(NOT lines EQUAL 1 OR NOT errors MATCHES "^${program}: [^\n]+\n$")
        string(APPEND failures "${name}: expected one line '${program}: ...' on stderr, got: ${errors}\n")
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()
