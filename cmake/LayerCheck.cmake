# SPDX-License-Identifier: GPL-3.0-or-later
# The layer rules as the libraries declare them (qv_declare_layer), checked against every
# include in src/ on every build: a header from a folder a layer does not build on fails the
# build even where it would still compile and link.
get_property(qv_layers GLOBAL PROPERTY QV_LAYERS)
list(JOIN qv_layers "\n" qv_layer_lines)
file(WRITE ${CMAKE_BINARY_DIR}/layers.txt "${qv_layer_lines}\n")

find_package(Python3 REQUIRED COMPONENTS Interpreter)
file(GLOB_RECURSE qv_layer_sources CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/layers.checked
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/check_layers.py
            ${PROJECT_SOURCE_DIR}/src ${CMAKE_BINARY_DIR}/layers.txt
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/layers.checked
    DEPENDS ${qv_layer_sources} ${PROJECT_SOURCE_DIR}/cmake/check_layers.py
            ${CMAKE_BINARY_DIR}/layers.txt
    COMMENT "Checking that includes follow the layers")
add_custom_target(layer_check ALL DEPENDS ${CMAKE_BINARY_DIR}/layers.checked)
