# Takes the first C++ code block after the heading "## SECTION" of the Markdown file README, writes
# it to PROGRAM.cpp, compiles it with COMPILER, FLAGS and INCLUDES against the shared library
# LIBRARY, runs it in the current directory (through RUN, the emulator of a cross build, if given)
# and fails unless it exits with 0 and prints EXPECTED.
file(READ ${README} text)
string(FIND "${text}" "\n## ${SECTION}\n" section)
if(section EQUAL -1)
    message(FATAL_ERROR "${README} has no section \"${SECTION}\"")
endif()
string(SUBSTRING "${text}" ${section} -1 text)
string(FIND "${text}" "\n```cpp\n" begin)
if(begin EQUAL -1)
    message(FATAL_ERROR "the section \"${SECTION}\" of ${README} has no cpp code block")
endif()
math(EXPR begin "${begin} + 8")
string(SUBSTRING "${text}" ${begin} -1 text)
string(FIND "${text}" "\n```" end)
math(EXPR end "${end} + 1")
string(SUBSTRING "${text}" 0 ${end} code)
file(WRITE ${PROGRAM}.cpp "${code}")

set(include_flags "")
foreach(directory IN LISTS INCLUDES)
    list(APPEND include_flags -I${directory})
endforeach()
get_filename_component(library_directory ${LIBRARY} DIRECTORY)
execute_process(
    COMMAND ${COMPILER} -std=c++17 ${FLAGS} ${include_flags} ${PROGRAM}.cpp ${LIBRARY}
        -Wl,-rpath,${library_directory} -o ${PROGRAM}
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the code block of \"${SECTION}\" does not compile (${PROGRAM}.cpp)")
endif()
execute_process(COMMAND ${RUN} ${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE output)
string(REPLACE "\\n" "\n" EXPECTED "${EXPECTED}")
string(FIND "${output}" "${EXPECTED}" found)
if(NOT status EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "${PROGRAM} exited with ${status} and printed:\n${output}")
endif()
