# Every target of ours builds with the same strict warnings. They are errors only where we ask for
# that (the test command's builds): a user's build must not stop at a warning that a newer or older
# compiler than ours adds.
option(PICTAVO_WARNINGS_AS_ERRORS "Treat compiler warnings as errors (the test command's builds)" OFF)

function(pictavo_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive- $<$<BOOL:${PICTAVO_WARNINGS_AS_ERRORS}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
            $<$<BOOL:${PICTAVO_WARNINGS_AS_ERRORS}>:-Werror>)
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
