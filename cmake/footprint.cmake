# Registers the footprint check of Huebird.dll (tools/footprint) as a test of the Windows build trees: the
# stripped DLL within its budget, a GUI library with no TLS and no static constructors.
# The most each tree's stripped DLL may take, which is its size today: a DLL that grows is a decision taken
# here. Sizes go in steps of 512 bytes, the file alignment.
cmake_path(GET CMAKE_TOOLCHAIN_FILE STEM huebird_toolchain)
set(budgets mingw-i686 13312 mingw-x86_64 15360 msvc-x86 13824 msvc-x64 15360 clang-aarch64 15360)
list(FIND budgets ${huebird_toolchain} at)
if(at LESS 0)
    message(FATAL_ERROR "cmake/footprint.cmake: no size budget for the toolchain ${huebird_toolchain}")
endif()
math(EXPR at "${at} + 1")
list(GET budgets ${at} HUEBIRD_DLL_BUDGET)
if(MSVC)
    # mingw-w64's binutils read a DLL from any linker.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(binutils i686-w64-mingw32)
    else()
        set(binutils x86_64-w64-mingw32)
    endif()
    foreach(tool objdump strip nm)
        string(TOUPPER ${tool} name)
        find_program(HUEBIRD_PE_${name} ${binutils}-${tool} REQUIRED)
    endforeach()
else()
    set(HUEBIRD_PE_OBJDUMP ${CMAKE_OBJDUMP})
    set(HUEBIRD_PE_STRIP ${CMAKE_STRIP})
    set(HUEBIRD_PE_NM ${CMAKE_NM})
endif()
set(footprint ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET} ${HUEBIRD_PE_OBJDUMP}
    ${HUEBIRD_PE_STRIP} ${HUEBIRD_PE_NM})
if(MSVC OR CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
    # The MSVC linker keeps no symbols, and lld writes a PDB in place of the ARM64 DLL's symbol table: the
    # plug-in's objects are checked for static constructors and thread-local variables instead.
    add_test(NAME footprint COMMAND ${footprint} $<TARGET_FILE:huebird_core>)
    # That the check finds both in objects that have them, where the linker leaves no trace of them.
    add_library(static_state STATIC ${PROJECT_SOURCE_DIR}/tests/static_state.cpp)
    add_test(NAME footprint.finds_static_state COMMAND ${footprint} $<TARGET_FILE:static_state>)
    set_tests_properties(footprint.finds_static_state PROPERTIES PASS_REGULAR_EXPRESSION
        "FAIL: has 1 static initialiser\\(s\\) in (lib)?static_state\\.(lib|a).*FAIL: has [1-9][0-9]* thread-local section\\(s\\).*footprint: 2 check\\(s\\) failed")
else()
    add_test(NAME footprint COMMAND ${footprint})
endif()
set_tests_properties(footprint PROPERTIES LABELS footprint)
