# Builds for 32-bit Windows through the MSVC toolchain's interface: clang-cl, lld-link, llvm-rc, Wine's headers.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(HUEBIRD_MSVC_TARGET i686-pc-windows-msvc)
set(HUEBIRD_WINE_ARCH i386)
include(${CMAKE_CURRENT_LIST_DIR}/clang-cl-wine.cmake)
