# Build rules of the clang-cl trees, after CMake's own (cmake/clang-cl-wine.cmake names this file).
# The resource script is preprocessed by clang-cl and then compiled by llvm-rc 14, which does not act on its
# #pragma code_page(65001): llvm-rc alone is told the code page. RC flags would reach clang-cl too, which
# takes "/C" for an option of its own and "65001" for a file.
if(CMAKE_RC_COMPILE_OBJECT AND NOT CMAKE_RC_COMPILE_OBJECT MATCHES "/C 65001")
    string(REPLACE "/fo <OBJECT>" "/C 65001 /fo <OBJECT>" CMAKE_RC_COMPILE_OBJECT "${CMAKE_RC_COMPILE_OBJECT}")
endif()
