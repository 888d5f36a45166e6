# The Kermit engine owns no I/O: run as `cmake -DKERMIT_DIR=... -P`, fails
# naming every line of kermit/*.h and kermit/*.cpp that includes a platform
# or Qt header, branches on the platform, opens, moves or asks after a file,
# or changes the process's current folder. With -DWORKER_DIR=..., it also
# fails on a stop told by its status text ("QUIT") there or in kermit/: the
# engine says Stopped().
set(quit_test "(strstr|strcmp|strncmp|find|contains|compare)[ \t]*\\([^;]*\"QUIT|[=!]=[ \t]*\"QUIT|\"QUIT\"[ \t]*[=!]=")
set(forbidden
    "#[ \t]*include[ \t]*<(windows|unistd|fcntl|io|direct|dirent|Q[A-Za-z]*)\\.?h?>"
    "#[ \t]*include[ \t]*<(sys/|fstream)"
    "_WIN32|__linux__|__APPLE__|_MSC_VER"
    "[^a-z_](fopen|_wfopen|freopen|ifstream|ofstream|fstream)[^a-z_]"
    "(filesystem|fs)::(exists|status|symlink_status|file_size|rename|remove|remove_all|copy|copy_file|create_director[a-z]*|is_directory|is_regular_file|permissions|current_path|temp_directory_path|absolute|canonical|weakly_canonical|directory_iterator|recursive_directory_iterator|last_write_time|space)[^a-z_]"
    "current_path|chdir|DiskFiles"
    "${quit_test}")
# Appends to `found` each line of `sources` that matches one of the patterns.
function(find_lines sources)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            foreach(pattern IN LISTS ARGN)
                if(line MATCHES "${pattern}")
                    string(APPEND found "${source}:${number}: ${line}\n")
                    break()
                endif()
            endforeach()
        endforeach()
    endforeach()
    set(found "${found}" PARENT_SCOPE)
endfunction()

file(GLOB sources ${KERMIT_DIR}/*.h ${KERMIT_DIR}/*.cpp)
if(NOT sources)
    message(FATAL_ERROR "no sources under '${KERMIT_DIR}'")
endif()
set(found "")
find_lines("${sources}" ${forbidden})
if(WORKER_DIR)
    file(GLOB worker_sources ${WORKER_DIR}/*.h ${WORKER_DIR}/*.cpp)
    find_lines("${worker_sources}" "${quit_test}")
endif()
if(found)
    message(FATAL_ERROR "kermit/ must own no I/O, nor tell a stop by its text:\n${found}")
endif()
