# SPDX-License-Identifier: GPL-3.0-or-later
if(QV_SANITIZE AND QV_SANITIZE_THREAD)
    message(FATAL_ERROR "The thread sanitizer cannot be combined with the address sanitizer")
endif()
if(QV_SANITIZE)
    # GCC leaves float-to-integer overflow out of "undefined"; model outputs are floats that
    # become cell indices, so it is asked for by name.
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined,float-cast-overflow)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
if(QV_SANITIZE_THREAD)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()
