# Warnings are errors on every toolchain.
if(MSVC)
    add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:/W4;/WX;/permissive->" "$<$<COMPILE_LANGUAGE:ASM_MASM>:/WX>")
else()
    add_compile_options(-Wall -Wextra -Werror)
endif()
