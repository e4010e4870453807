# Build rules of the ARM64 tree that differ from CMake's MinGW ones, applied after them.
# The resources in the .res format, which is the same for every architecture and which lld links.
set(CMAKE_RC_COMPILE_OBJECT "<CMAKE_RC_COMPILER> <DEFINES> <INCLUDES> <FLAGS> -J rc -O res <SOURCE> <OBJECT>")
# lld takes a whole archive without the state stack that CMake's MinGW rule pushes around it.
set(CMAKE_LINK_LIBRARY_USING_WHOLE_ARCHIVE "LINKER:--whole-archive" "<LINK_ITEM>" "LINKER:--no-whole-archive")
