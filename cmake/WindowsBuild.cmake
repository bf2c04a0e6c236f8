# The Windows DLL: a version resource, and the programs of the build tree beside it with the
# compiler's runtime DLLs, since Windows finds a program's DLLs in the program's own folder.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
set_target_properties(perforexreader PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

enable_language(RC)
configure_file(${PROJECT_SOURCE_DIR}/packaging/version.rc.in
    ${PROJECT_BINARY_DIR}/perforexreader.rc @ONLY)
target_sources(perforexreader PRIVATE ${PROJECT_BINARY_DIR}/perforexreader.rc)

# MinGW programs need libstdc++, libgcc and winpthread; MSVC's runtime is the system's.
if(MINGW)
    set(perforex_runtime_dlls "")
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
            OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
        # A compiler that does not know the DLL's place leaves it to the PATH.
        if(IS_ABSOLUTE "${found}" AND EXISTS "${found}")
            list(APPEND perforex_runtime_dlls ${found})
        endif()
    endforeach()
    file(COPY ${perforex_runtime_dlls} DESTINATION ${PROJECT_BINARY_DIR}/bin)
    install(FILES ${perforex_runtime_dlls} DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
