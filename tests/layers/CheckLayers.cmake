# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Fails when a room includes a header of a room above it, or a core room includes Qt.
# Run as: cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
#
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)

# The rooms from the bottom up; each may include only the rooms before it (and itself).
set(rooms text image files link editing interchange report document qtprint cli sim
          uitext widgets grid dialogs transfer app)
set(core_rooms text image files link editing interchange report document)

foreach(room IN LISTS rooms)
    file(GLOB headers RELATIVE ${SOURCE_DIR}/${room} ${SOURCE_DIR}/${room}/*.h)
    foreach(h IN LISTS headers)
        set(owner_of_${h} ${room})
    endforeach()
endforeach()

set(failures "")
set(index 0)
foreach(room IN LISTS rooms)
    list(SUBLIST rooms 0 ${index} below)
    math(EXPR index "${index} + 1")
    file(GLOB_RECURSE sources ${SOURCE_DIR}/${room}/*.h ${SOURCE_DIR}/${room}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include [\"<]")
        foreach(line IN LISTS includes)
            if(line MATCHES "^#include \"([^\"]+)\"")
                set(header ${CMAKE_MATCH_1})
                set(owner ${owner_of_${header}})
                if(owner AND NOT owner STREQUAL room AND NOT owner IN_LIST below)
                    list(APPEND failures "${source}: ${room} includes ${header} of ${owner}")
                endif()
            elseif(line MATCHES "^#include <Q" AND room IN_LIST core_rooms)
                list(APPEND failures "${source}: the core room ${room} includes Qt (${line})")
            endif()
        endforeach()
    endforeach()
endforeach()

if(failures)
    list(JOIN failures "\n" text)
    message(FATAL_ERROR "Layer violations:\n${text}")
endif()
message(STATUS "every include points down")
