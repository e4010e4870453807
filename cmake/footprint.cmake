# Registers the footprint check of Huebird.dll (tools/footprint) as a test of the Windows build trees: the
# stripped DLL within 16 KiB for 32-bit Windows and 20 KiB for 64-bit, system imports only, no TLS and no
# static constructors.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(HUEBIRD_DLL_BUDGET 16384)
elseif(CMAKE_SYSTEM_PROCESSOR STREQUAL "ARM64")
    set(HUEBIRD_DLL_BUDGET 12800)
else()
    set(HUEBIRD_DLL_BUDGET 20480)
endif()
add_test(NAME footprint
    COMMAND ${PROJECT_SOURCE_DIR}/tools/footprint $<TARGET_FILE:Huebird> ${HUEBIRD_DLL_BUDGET}
            ${CMAKE_OBJDUMP} ${CMAKE_STRIP} ${CMAKE_NM})
set_tests_properties(footprint PROPERTIES LABELS footprint)
