# The MSVC toolchain's interface on Debian: clang-cl, lld-link and llvm-rc, with Wine's Windows headers and
# import libraries in place of the Windows SDK. Included by msvc-x86.cmake and msvc-x64.cmake, which set
# HUEBIRD_MSVC_TARGET (clang's target), HUEBIRD_WINE_ARCH (Wine's folder of import libraries) and
# CMAKE_SYSTEM_PROCESSOR. CMake takes this tree as MSVC, so it runs the branches that Visual Studio would.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER clang-cl-14)
set(CMAKE_CXX_COMPILER clang-cl-14)
set(CMAKE_C_COMPILER_TARGET ${HUEBIRD_MSVC_TARGET})
set(CMAKE_CXX_COMPILER_TARGET ${HUEBIRD_MSVC_TARGET})
# lld-link 16, not 14: 14 writes an export table with ordinal base 0 and an empty entry ahead of the seven.
set(CMAKE_LINKER lld-link-16)
set(CMAKE_AR llvm-lib-14)
set(CMAKE_RC_COMPILER llvm-rc-14)
set(CMAKE_MT llvm-mt-14)

# There is no C runtime to link a test program against: CMake checks the compiler with a static library.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

# Wine's headers, as system headers. The force-included header gets them past clang's builtins; see there.
set(wine_include /usr/include/wine/wine)
set(CMAKE_CXX_FLAGS_INIT
    "-imsvc ${wine_include}/windows -imsvc ${wine_include}/msvcrt \"/FI${CMAKE_CURRENT_LIST_DIR}/clang-cl-wine.h\"")
set(CMAKE_C_FLAGS_INIT "${CMAKE_CXX_FLAGS_INIT}")
# llvm-rc 14 does not act on the script's #pragma code_page(65001): the rules give it the same code page.
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/clang-cl-wine-rules.cmake)

# Wine's import libraries are named libNAME.a, which lld-link does not look for when a program asks for
# NAME.lib as it does under Visual Studio: links by those names, in the tree, lead to them. Wine's msvcrt
# library also holds the start-up code of a console program (mainCRTStartup), which the test program uses.
set(wine_libraries /usr/lib/${HUEBIRD_WINE_ARCH}-linux-gnu/wine/${HUEBIRD_WINE_ARCH}-windows)
set(import_libraries ${CMAKE_BINARY_DIR}/wine-import-libraries)
file(MAKE_DIRECTORY ${import_libraries})
foreach(name kernel32 user32 gdi32 comdlg32 msvcrt version)
    file(CREATE_LINK ${wine_libraries}/lib${name}.a ${import_libraries}/${name}.lib SYMBOLIC)
endforeach()
# Only the libraries that a target names: Visual Studio's default list names some that the links above lack.
set(CMAKE_C_STANDARD_LIBRARIES "" CACHE STRING "Libraries linked into every program and library")
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "Libraries linked into every program and library")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "\"/libpath:${import_libraries}\"")
set(CMAKE_EXE_LINKER_FLAGS_INIT "\"/libpath:${import_libraries}\"")
if(HUEBIRD_WINE_ARCH STREQUAL "i386")
    # Wine's import libraries are built by GNU tools, which do not mark objects safe for SafeSEH, so
    # lld-link cannot make the table of safe exception handlers; the mingw-w64 DLL has none either.
    string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " /safeseh:no")
    string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " /safeseh:no")
endif()

# The tree's Wine test program runs under Wine with this runner.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${CMAKE_BINARY_DIR}/wineprefix)
