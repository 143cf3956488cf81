# Every project target calls qv_set_warnings so the rules stay in one place.
function(qv_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Wold-style-cast
                                             -Woverloaded-virtual -Wimplicit-fallthrough)
    if(QV_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
