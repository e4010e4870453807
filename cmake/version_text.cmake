# Reads the version text of the string table, "Version N.N by ...", from resources/strings.h, its one place:
# sets HUEBIRD_VERSION_TEXT to the whole text and HUEBIRD_VERSION to its number. For the project and scripts.
function(huebird_read_version_text source_dir)
    file(STRINGS ${source_dir}/resources/strings.h line REGEX "^#define STRING_VERSION \"")
    if(NOT line MATCHES "^#define STRING_VERSION \"(Version ([0-9.]+) [^\"]*)\"$")
        message(FATAL_ERROR "${source_dir}/resources/strings.h: no STRING_VERSION \"Version N.N ...\" to take the version from")
    endif()
    set(HUEBIRD_VERSION_TEXT "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(HUEBIRD_VERSION "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()
