# SPDX-FileCopyrightText: 2026 Talvik Capture contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Pictures are SVG sources rendered at build time into the PNGs the resources name, each with an
# @2x twin that Qt picks on a 200% screen.
#
#   talvik_add_pictures(TARGET <target> QRC_NAME <name> [PREFIX </images>]
#                       PICTURES <file.svg>:<size> ...)
#
# renders every <file.svg> (relative to the calling CMakeLists.txt) at <size> and twice <size>
# into <basename>.png and <basename>@2x.png, lists them in <name>.qrc under PREFIX and compiles
# that into <target>. Q_INIT_RESOURCE(<name>) registers them from a static library. Each one is
# also noted as <resource path>:<size> in the global property TALVIK_PICTURES, so the tests
# check every picture the build ships.
#
#   talvik_render_svg(<file.svg> <size>=<out.png> ...)
#
# is the single rendering step, for pictures outside a resource (the desktop icons).
include_guard(GLOBAL)

# A cross build cannot run what it builds, so it renders with the host's tool (scripts/windows-build
# passes the one of the host build).
if(CMAKE_CROSSCOMPILING)
    set(TALVIK_HOST_SVG2PNG "" CACHE FILEPATH "The host build's talvik_svg2png")
    if(NOT EXISTS "${TALVIK_HOST_SVG2PNG}")
        message(FATAL_ERROR "A cross build needs TALVIK_HOST_SVG2PNG, the host's talvik_svg2png")
    endif()
elseif(NOT TARGET talvik_svg2png)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)
endif()

function(talvik_render_svg svg)
    set(renderer talvik_svg2png)
    if(CMAKE_CROSSCOMPILING)
        set(renderer ${TALVIK_HOST_SVG2PNG})
    endif()
    set(outputs)
    foreach(request IN LISTS ARGN)
        string(REGEX REPLACE "^[0-9]+=" "" out "${request}")
        list(APPEND outputs "${out}")
        # Only some generators make the folders of a custom command's outputs.
        get_filename_component(folder "${out}" DIRECTORY)
        file(MAKE_DIRECTORY "${folder}")
    endforeach()
    file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${svg})
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${renderer} ${svg} ${ARGN}
        DEPENDS ${svg} ${renderer}
        COMMENT "Rendering ${shown}"
        VERBATIM)
endfunction()

function(talvik_add_pictures)
    cmake_parse_arguments(ART "" "TARGET;QRC_NAME;PREFIX" "PICTURES" ${ARGN})
    if(NOT ART_TARGET OR NOT ART_QRC_NAME OR NOT ART_PICTURES)
        message(FATAL_ERROR "talvik_add_pictures needs TARGET, QRC_NAME and PICTURES")
    endif()
    if(NOT ART_PREFIX)
        set(ART_PREFIX /)
    endif()

    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${ART_QRC_NAME}_pictures)
    set(pngs)
    set(entries)
    foreach(picture IN LISTS ART_PICTURES)
        if(NOT picture MATCHES "^(.+\\.svg):([0-9]+)$")
            message(FATAL_ERROR "talvik_add_pictures: '${picture}' is not <file.svg>:<size>")
        endif()
        set(svg ${CMAKE_CURRENT_SOURCE_DIR}/${CMAKE_MATCH_1})
        set(size ${CMAKE_MATCH_2})
        math(EXPR size2x "${size} * 2")
        get_filename_component(name ${svg} NAME_WE)
        talvik_render_svg(${svg} ${size}=${dir}/${name}.png ${size2x}=${dir}/${name}@2x.png)
        list(APPEND pngs ${dir}/${name}.png ${dir}/${name}@2x.png)
        string(REGEX REPLACE "/$" "" folder "${ART_PREFIX}")
        set_property(GLOBAL APPEND PROPERTY TALVIK_PICTURES ":${folder}/${name}.png:${size}")
        string(APPEND entries
            "        <file alias=\"${name}.png\">${ART_QRC_NAME}_pictures/${name}.png</file>\n"
            "        <file alias=\"${name}@2x.png\">${ART_QRC_NAME}_pictures/${name}@2x.png</file>\n")
    endforeach()

    # Rewritten only when the list changes, so a configure run does not rebuild the resources.
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${ART_QRC_NAME}.qrc)
    file(WRITE ${qrc}.in
        "<RCC>\n    <qresource prefix=\"${ART_PREFIX}\">\n${entries}    </qresource>\n</RCC>\n")
    configure_file(${qrc}.in ${qrc} COPYONLY)

    # rcc is run here rather than by AUTORCC so that the rendered PNGs are real dependencies.
    set(cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${ART_QRC_NAME}.cpp)
    add_custom_command(
        OUTPUT ${cpp}
        COMMAND Qt6::rcc --name ${ART_QRC_NAME} --output ${cpp} ${qrc}
        DEPENDS ${qrc} ${pngs} Qt6::rcc
        COMMENT "Compiling the ${ART_QRC_NAME} pictures"
        VERBATIM)

    # An object library of this directory owns the generated file, so the target may live in
    # another directory (TalvikCore gets its pictures from core/widgets).
    set(objects ${ART_TARGET}_${ART_QRC_NAME}_pictures)
    add_library(${objects} OBJECT ${cpp})
    set_target_properties(${objects} PROPERTIES
        POSITION_INDEPENDENT_CODE ON
        AUTOMOC OFF
        AUTOUIC OFF
        AUTORCC OFF)
    target_link_libraries(${objects} PRIVATE Qt6::Core)
    target_sources(${ART_TARGET} PRIVATE $<TARGET_OBJECTS:${objects}>)
endfunction()
