# Compiler warnings and the sanitizer and fuzzing builds, applied to every target of the project.

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
                    -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wduplicated-cond -Wlogical-op)
endif()

if(VANTOLEX_SANITIZE AND VANTOLEX_FUZZ)
    message(FATAL_ERROR "VANTOLEX_SANITIZE and VANTOLEX_FUZZ are separate builds; the fuzzing build is sanitized already")
endif()

if(VANTOLEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined)
endif()

if(VANTOLEX_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "The fuzzing build needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(VANTOLEX_BUILD_UI OFF CACHE BOOL "" FORCE)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
