# Cross-compiles for Windows on ARM64 with Debian's clang, lld and the mingw-w64 headers, and runs the results
# under Wine on emulated ARM64. Debian has no C or C++ runtime libraries for this target: programs link only
# the import libraries made from cmake/arm64/*.def, and what they need of start-up code they bring along.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ARM64)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET aarch64-w64-mingw32)
# A resource file is the same for every architecture: windres writes it as a .res (see the rules file).
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_USER_MAKE_RULES_OVERRIDE ${CMAKE_CURRENT_LIST_DIR}/clang-aarch64-rules.cmake)
set(CMAKE_OBJDUMP aarch64-linux-gnu-objdump) # the only objdump here that reads ARM64 PE files
set(CMAKE_STRIP llvm-strip-14)
set(CMAKE_NM llvm-nm-14)
set(HUEBIRD_DLLTOOL llvm-dlltool-14)
set(CMAKE_CXX_FLAGS_INIT "-isystem /usr/share/mingw-w64/include")
# lld 16: lld 14 gives a DLL an export table with ordinal base 0 and an empty entry before the seven. -S keeps
# the symbol table without the debug directory and the build ID that lld adds otherwise; Huebird.dll is linked
# with a PDB instead, which takes the place of its symbol table (host/CMakeLists.txt).
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld --ld-path=/usr/bin/ld.lld-16 -nostdlib -Wl,-S")
endforeach()
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run-arm64 ${CMAKE_BINARY_DIR}/wineprefix)
# No runtime to link a test program of CMake's own with; every target names the system libraries it uses.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_CXX_STANDARD_LIBRARIES "")
