# Builds for 64-bit Windows through the MSVC toolchain's interface: clang-cl, lld-link, llvm-rc, Wine's headers.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(HUEBIRD_MSVC_TARGET x86_64-pc-windows-msvc)
set(HUEBIRD_WINE_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/clang-cl-wine.cmake)
# ml64's part: llvm-ml, for 64-bit code, told to name RIP where ml64 addresses a symbol relative to it by itself.
set(CMAKE_ASM_MASM_COMPILER llvm-ml-14)
set(CMAKE_ASM_MASM_FLAGS_INIT "--m64 /DHUEBIRD_RIP_EXPLICIT")
