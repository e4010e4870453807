# Libraries of the editor side that the Wine test program links: built without the C++ library, exceptions or
# run-time type information, for targets that have only Win32 and the C runtime; without its include folder,
# a C++ header fails at once.
include_guard(GLOBAL)

# huebird_without_cxx_library(TARGET): builds the target so.
function(huebird_without_cxx_library target)
    if(MSVC)
        # The C runtime's printf functions imported, not inline over its va_list functions; _snprintf, whose
        # caller sets the NUL, allowed; no stack cookies, whose checks live in a C runtime library.
        target_compile_options(${target} PRIVATE /EHs-c- /GR- /GS-)
        target_compile_definitions(${target} PRIVATE _NO_CRT_STDIO_INLINE _CRT_SECURE_NO_WARNINGS)
    else()
        target_compile_options(${target} PRIVATE -nostdinc++ -fno-exceptions -fno-rtti)
    endif()
endfunction()

# huebird_bare_library(TARGET SOURCE...): such a library of the sources given, its users including from the
# calling folder and the project's.
function(huebird_bare_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
    huebird_without_cxx_library(${target})
endfunction()
