# The defences of a Windows DLL built without a C runtime, as the platform's own binaries carry them: stack
# cookies, no SEH on 32-bit, and where the linker makes one, a load configuration with Control Flow Guard and
# the cookie, and shadow-stack compatibility. Shared by Huebird.dll and the test-only DLL that proves them.

# huebird_harden(DLL [CODE...]): compiles DLL's own sources and the static libraries CODE with stack
# protection (and the guard's instrumentation), adds the defences' own symbols (host/hardening.cpp) and the
# entry that seeds the cookie, and links with the defences' options.
function(huebird_harden dll)
    target_sources(${dll} PRIVATE ${PROJECT_SOURCE_DIR}/host/hardening.cpp)
    if(MSVC AND CMAKE_SIZEOF_VOID_P EQUAL 8)
        # The cookie's check and the guard's dispatch in assembly (ASM_MASM, enabled by the top
        # CMakeLists.txt), assembled once, apart from the C++ compiler's options of the DLLs that take them.
        if(NOT TARGET huebird_security_check)
            add_library(huebird_security_check OBJECT ${PROJECT_SOURCE_DIR}/host/security_check_x64.asm)
        endif()
        target_sources(${dll} PRIVATE $<TARGET_OBJECTS:huebird_security_check>)
    endif()
    target_include_directories(${dll} PRIVATE ${PROJECT_SOURCE_DIR})
    # Whether the linker writes Control Flow Guard's tables, and so a load configuration: lld-link, and lld
    # for ARM64 in its MinGW mode (which clang 14 instruments through its internal option); GNU ld does not.
    if(MSVC OR CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
        set(load_configuration ON)
        target_compile_definitions(${dll} PRIVATE HUEBIRD_LOAD_CONFIGURATION)
    else()
        set(load_configuration OFF)
    endif()
    if(MSVC)
        set(compile /GS /guard:cf)
        # Without setjmp in the code there are no long-jump targets to guard.
        # No SafeSEH table can be made from Wine's import libraries (see clang-cl-wine.cmake): the 32-bit DLL
        # declares that it has no exception handler at all.
        set(link /entry:LibraryEntry /guard:cf,nolongjmp /cetcompat)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            list(APPEND link /noseh)
        endif()
    else()
        set(compile -fstack-protector-strong)
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(link -Wl,--entry,_LibraryEntry@12 -Wl,--no-seh)
        else()
            set(link -Wl,--entry,LibraryEntry)
        endif()
        if(load_configuration)
            list(APPEND compile "SHELL:-Xclang -cfguard")
            list(APPEND link -Wl,--guard-cf -Wl,--no-guard-longjmp)
        endif()
    endif()
    foreach(target IN ITEMS ${dll} ${ARGN})
        target_compile_options(${target} PRIVATE ${compile})
    endforeach()
    target_link_options(${dll} PRIVATE ${link})
    target_link_libraries(${dll} PRIVATE kernel32)
endfunction()
