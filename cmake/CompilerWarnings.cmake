# Every target of ours builds with the same strict warnings; a warning is a build failure.
function(pictavo_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    endif()
endfunction()

# GCC 12 at -O3 reports out-of-bounds copies inside std::vector's growth that cannot happen (GCC
# bugs 105651 and 107852) in code that builds byte vectors piece by piece, such as the test image
# builders. Only such targets opt out of those three warnings, and only on the affected compilers.
function(pictavo_allow_vector_growth target)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
    endif()
endfunction()
