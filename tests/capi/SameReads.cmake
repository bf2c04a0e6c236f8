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

# Prints the transcript of one read into the variable named by result; a text-mode standard
# output's CR LF is a line feed (every other control character is escaped in a transcript).
function(transcript result)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text ERROR_VARIABLE errors
        RESULT_VARIABLE status)
    string(REPLACE "\r\n" "\n" text "${text}")
    set(${result} "${text}status ${status}\n${errors}" PARENT_SCOPE)
endfunction()

set(differences "")
set(reads 0)
foreach(program IN LISTS programs)
    foreach(format "" ${SOURCE}/examples/default.fmt)
        transcript(expected ${REFERENCE} ${program} ${format})
        transcript(actual ${under_test} ${program} ${format})
        math(EXPR reads "${reads} + 1")
        if(NOT actual STREQUAL expected)
            string(APPEND differences "\n${program} ${format}:\n--- expected\n${expected}"
                "--- actual\n${actual}")
        endif()
    endforeach()
endforeach()
if(differences)
    message(FATAL_ERROR "Reads that differ:${differences}")
endif()
message(STATUS "${reads} reads alike")
