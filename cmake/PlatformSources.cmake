# A room's sources for the platform built for: every *.cpp (and *.h where
# asked) of the calling folder but the other platform's *Posix.cpp or
# *Windows.cpp files.
function(corvix_platform_sources out)
    set(patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(extension IN LISTS ARGN)
        list(APPEND patterns ${CMAKE_CURRENT_SOURCE_DIR}/*.${extension})
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    if(WIN32)
        list(FILTER sources EXCLUDE REGEX "Posix\\.cpp$")
    else()
        list(FILTER sources EXCLUDE REGEX "Windows\\.cpp$")
    endif()
    set(${out} ${sources} PARENT_SCOPE)
endfunction()
