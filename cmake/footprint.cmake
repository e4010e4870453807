# Registers the footprint check of Huebird.dll (tools/footprint) as a test of the Windows build trees: the
# stripped DLL within its budget, a GUI library with no TLS and no
# static constructors.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(HUEBIRD_DLL_BUDGET 16384)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
    set(HUEBIRD_DLL_BUDGET 13824) # 12,800 and the 1,024 bytes of the load configuration, guard and cookies
else()
    set(HUEBIRD_DLL_BUDGET 20480)
endif()
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
else()
    add_test(NAME footprint
        COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
                ${CMAKE_OBJDUMP} ${CMAKE_STRIP} ${CMAKE_NM})
endif()
set_tests_properties(footprint PROPERTIES LABELS footprint)
