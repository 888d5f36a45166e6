# Makes corvix_test_support available to the suite that includes this file.
if(NOT TARGET corvix_test_support)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR} ${CMAKE_BINARY_DIR}/tests/support)
endif()
