# The sanitizer build instruments everything it compiles, tests included, so the flags go on
# globally rather than per target.
if(PICTAVO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
