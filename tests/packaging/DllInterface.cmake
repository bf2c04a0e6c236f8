# Fails when the DLL carries no version resource of the library's version, or exports anything
# but the interface its public headers declare: the classes
# and functions marked PERFOREX_API (with their vtables and type information) and the pfx_
# functions. Also fails when the reader or one of those functions is missing, so that an empty
# table cannot pass.
# Run as: cmake -DDLL=<dll> -DOBJDUMP=<objdump> -DCXXFILT=<c++filt> -DHEADERS=<include/perforex>
#         -DVERSION=<version> -P DllInterface.cmake
cmake_minimum_required(VERSION 3.25)

# The version resource holds its texts in UTF-16; only its names and numbers are taken, since the
# other texts of a binary may hold brackets that break a CMake list.
file(STRINGS ${DLL} resource_texts ENCODING UTF-16LE REGEX "^(ProductVersion|[0-9.]+)$")
if(NOT "ProductVersion" IN_LIST resource_texts OR NOT "${VERSION}" IN_LIST resource_texts)
    message(FATAL_ERROR "${DLL}: no version resource of version ${VERSION}")
endif()

set(classes "")
set(functions "")
file(GLOB headers ${HEADERS}/*.h)
foreach(header IN LISTS headers)
    file(STRINGS ${header} declarations REGEX "PERFOREX_API")
    foreach(line IN LISTS declarations)
        if(line MATCHES "class PERFOREX_API ([A-Za-z0-9_]+)")
            list(APPEND classes ${CMAKE_MATCH_1})
        elseif(line MATCHES "^PERFOREX_API [^(]*[ *]([A-Za-z0-9_]+)\\(")
            list(APPEND functions ${CMAKE_MATCH_1})
        endif()
    endforeach()
endforeach()
list(JOIN classes "|" class_names)
list(JOIN functions "|" function_names)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n[^\n]+(\n[^\n]+)*" table "${table}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" entries "${table}")
set(names "")
foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${entry}")
    list(APPEND names ${name})
endforeach()
execute_process(COMMAND ${CXXFILT} ${names} OUTPUT_VARIABLE demangled COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" demangled "${demangled}")

set(interface "^((vtable|typeinfo|typeinfo name) for )?(perforex::)?(${class_names})(::|$)")
set(seen "")
set(foreign "")
foreach(name IN LISTS demangled)
    if(name STREQUAL "")
        continue()
    elseif(name MATCHES "${interface}")
        list(APPEND seen ${CMAKE_MATCH_4})
    elseif(name MATCHES "^(${function_names})(\\(|$)")
        list(APPEND seen ${CMAKE_MATCH_1})
    else()
        string(APPEND foreign "\n  ${name}")
    endif()
endforeach()
set(missing "")
foreach(name IN LISTS functions ITEMS CPerforexReader CFormatDetector)
    if(NOT name IN_LIST seen)
        string(APPEND missing " ${name}")
    endif()
endforeach()
if(foreign OR missing)
    message(FATAL_ERROR "${DLL}: exports beyond the interface:${foreign}\nnot exported:${missing}")
endif()
list(LENGTH demangled count)
message(STATUS "${DLL}: the interface alone (${count} names)")
