# Fails when a library source includes a header of a layer above its own.
# Run as: cmake -DROOT=<source tree> -P IncludeLayers.cmake
cmake_minimum_required(VERSION 3.25)
# Each folder may include its own headers and those of the folders listed for it; include/perforex
# holds the public headers, which the geometry classes implement; platform, what compilers and
# systems differ in, is below every layer.
set(allowed_platform platform)
set(allowed_keywordparser keywordparser platform)
set(allowed_geometry geometry platform perforex)
set(allowed_messages messages platform)
set(allowed_machineformat machineformat platform keywordparser messages)
set(allowed_scanner scanner platform machineformat messages)
set(allowed_interpreter interpreter platform scanner geometry machineformat messages perforex)
set(allowed_detection detection platform interpreter scanner geometry machineformat keywordparser
    messages perforex)
set(allowed_reader reader platform detection interpreter scanner geometry machineformat
    keywordparser messages perforex)
set(allowed_writer writer platform interpreter scanner geometry machineformat messages perforex)
set(allowed_capi capi platform reader detection messages perforex)
set(allowed_perforex perforex)
set(layers platform keywordparser geometry messages machineformat scanner interpreter detection reader
    writer capi perforex)

file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/include/*.h)
set(violations "")
foreach(source IN LISTS sources)
    string(REGEX REPLACE "^(src|include)/([^/]+)/.*" "\\2" layer ${source})
    if(NOT layer IN_LIST layers)
        string(APPEND violations "\n  ${source}: not inside a known layer")
        continue()
    endif()
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(REGEX MATCH "([\"<])([^/\">]*)(/?)" target "${line}")
        set(target ${CMAKE_MATCH_2})
        if(CMAKE_MATCH_1 STREQUAL "\"" AND CMAKE_MATCH_3 STREQUAL "")
            string(APPEND violations "\n  ${source}: ${line} names no layer")
        elseif(target IN_LIST layers AND NOT target IN_LIST allowed_${layer})
            string(APPEND violations "\n  ${source}: ${line}: ${layer} may not include ${target}")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes across layers:${violations}")
endif()
