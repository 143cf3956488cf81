# SPDX-License-Identifier: GPL-3.0-or-later
# Every project target calls qv_set_warnings so the rules stay in one place.
function(qv_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Wold-style-cast
                                             -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QV_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# Production code keeps Qt's stricter modes: no `signals`/`slots`/`emit` macros that clash
# with other libraries, and no silent conversion of a narrow string of unknown encoding.
function(qv_set_qt_strictness target)
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII)
endfunction()

# Layers and the subsystems each may use, collected for the include check
# (tests/architecture). qv_declare_layer(folder [allowed folder ...])
function(qv_declare_layer folder)
    list(JOIN ARGN " " allowed)
    set_property(GLOBAL APPEND PROPERTY QV_LAYERS "${folder}:${allowed}")
endfunction()
