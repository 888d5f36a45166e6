# One C++ runtime in a process: the programs use the shared runtime of the
# compiler that built Qt, and its DLLs sit beside the executables (and go
# into the installed folder).
set(corvix_runtime_dlls)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        foreach(folder ${CMAKE_FIND_ROOT_PATH})
            if(EXISTS ${folder}/lib/${dll})
                set(found ${folder}/lib/${dll})
            endif()
        endforeach()
    endif()
    if(NOT EXISTS "${found}")
        message(FATAL_ERROR "The compiler's runtime ${dll} was not found")
    endif()
    file(COPY ${found} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    list(APPEND corvix_runtime_dlls ${found})
endforeach()
