# Fails when the transcript program under test prints anything else than the reference one for
# any example program or fuzz seed, read with the format detected and with the default machine
# format: the same callbacks, messages and result, in the same order.
# Run as: cmake -DREFERENCE=<program> -DUNDER_TEST=<command, words joined by |> -DSOURCE=<tree>
#         -P SameReads.cmake
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" under_test "${UNDER_TEST}")
file(GLOB_RECURSE programs LIST_DIRECTORIES false ${SOURCE}/examples/*.drl ${SOURCE}/examples/*.drd)
file(GLOB seeds LIST_DIRECTORIES false ${SOURCE}/fuzz/corpus/drill_program/*
    ${SOURCE}/fuzz/corpus/format_detection/*)
list(APPEND programs ${seeds})

# Prints the transcripts of the reads of every program into the variable named by result; a
# text-mode standard output's CR LF is a line feed (a transcript escapes every other control
# character).
function(transcripts result)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" text "${text}")
    set(${result} "${text}status ${status}\n${errors}" PARENT_SCOPE)
endfunction()

list(LENGTH programs count)
foreach(format - ${SOURCE}/examples/default.fmt)
    transcripts(expected ${REFERENCE} --each ${format} ${programs})
    transcripts(actual ${under_test} --each ${format} ${programs})
    string(REGEX MATCHALL "\nresult [01]\n" results "\n${expected}")
    list(LENGTH results reads)
    if(NOT reads EQUAL count)
        message(FATAL_ERROR "The reference read ${reads} of ${count} programs:\n${expected}")
    endif()
    if(NOT actual STREQUAL expected)
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/expected.txt "${expected}")
        file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual.txt "${actual}")
        message(FATAL_ERROR "Reads with the machine format ${format} differ: compare "
            "${CMAKE_CURRENT_BINARY_DIR}/expected.txt and actual.txt")
    endif()
endforeach()
message(STATUS "${count} programs read alike with the format detected and with default.fmt")
