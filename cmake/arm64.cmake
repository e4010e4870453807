# Import libraries for Windows on ARM64, which Debian does not ship: made at configure time from the .def
# files in cmake/arm64/, each listing just the functions that the DLL and the test programs take from it.
file(GLOB huebird_arm64_defs ${CMAKE_CURRENT_LIST_DIR}/arm64/*.def)
set(huebird_arm64_imports ${CMAKE_BINARY_DIR}/arm64-imports)
file(MAKE_DIRECTORY ${huebird_arm64_imports})
foreach(def IN LISTS huebird_arm64_defs)
    get_filename_component(name ${def} NAME_WE)
    execute_process(COMMAND ${HUEBIRD_DLLTOOL} -m arm64 -d ${def} -l ${huebird_arm64_imports}/lib${name}.a
                    RESULT_VARIABLE status ERROR_VARIABLE error)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "cannot make the import library of ${def}: ${error}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
endforeach()
link_directories(${huebird_arm64_imports})
