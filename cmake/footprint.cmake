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
    # mingw-w64's binutils read a DLL from any linker; the MSVC one keeps no symbols, so the plug-in's
    # objects are checked for static constructors instead (see tools/footprint).
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(binutils i686-w64-mingw32)
    else()
        set(binutils x86_64-w64-mingw32)
    endif()
    foreach(tool objdump strip nm)
        string(TOUPPER ${tool} name)
        find_program(HUEBIRD_PE_${name} ${binutils}-${tool} REQUIRED)
    endforeach()
    add_test(NAME footprint
        COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
                ${HUEBIRD_PE_OBJDUMP} ${HUEBIRD_PE_STRIP} ${HUEBIRD_PE_NM} $<TARGET_FILE:huebird_core>)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
    # Linked with a PDB, which lld writes in place of the symbol table: the objects are checked instead.
    add_test(NAME footprint
        COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
                ${CMAKE_OBJDUMP} ${CMAKE_STRIP} ${CMAKE_NM} $<TARGET_FILE:huebird_core>)
    # That the check finds a static constructor and a thread-local variable in such objects.
    add_library(static_state STATIC ${PROJECT_SOURCE_DIR}/tests/msvc/static_state.cpp)
    add_test(NAME footprint.finds_static_state
        COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
                ${CMAKE_OBJDUMP} ${CMAKE_STRIP} ${CMAKE_NM} $<TARGET_FILE:static_state>)
    set_tests_properties(footprint.finds_static_state PROPERTIES PASS_REGULAR_EXPRESSION
        "FAIL: has 1 static initialiser\\(s\\) in libstatic_state.a.*FAIL: has [1-9][0-9]* thread-local section\\(s\\)")
else()
    add_test(NAME footprint
        COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
                ${CMAKE_OBJDUMP} ${CMAKE_STRIP} ${CMAKE_NM})
endif()
set_tests_properties(footprint PROPERTIES LABELS footprint)
