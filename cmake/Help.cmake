# The help: the HTML pages of resources/help, copied beside the executables
# (bin/help/), and compiled into bin/Corvix.chm when a CHM compiler (chmcmd,
# Debian package fp-utils) is found. The compiler is optional.
set(corvix_help_source ${CMAKE_SOURCE_DIR}/resources/help)
file(GLOB corvix_help_pages CONFIGURE_DEPENDS ${corvix_help_source}/*.html ${corvix_help_source}/*.css)
file(GLOB corvix_help_project CONFIGURE_DEPENDS ${corvix_help_source}/Corvix.hh?)

set(corvix_help_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help)
set(corvix_help_outputs)
foreach(page ${corvix_help_pages})
    get_filename_component(name ${page} NAME)
    add_custom_command(OUTPUT ${corvix_help_dir}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${corvix_help_dir}/${name}
        DEPENDS ${page}
        COMMENT "Help page ${name}")
    list(APPEND corvix_help_outputs ${corvix_help_dir}/${name})
endforeach()

find_program(CORVIX_CHMCMD chmcmd DOC "CHM compiler (fp-utils); the help is also built without it")
set(CORVIX_HELP_CHM "")
if(CORVIX_CHMCMD)
    set(stage ${CMAKE_CURRENT_BINARY_DIR}/help-chm)
    set(CORVIX_HELP_CHM ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Corvix.chm)
    add_custom_command(OUTPUT ${CORVIX_HELP_CHM}
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy ${corvix_help_pages} ${corvix_help_project} ${stage}
        COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CORVIX_CHMCMD} Corvix.hhp > ${stage}.log
        COMMAND ${CMAKE_COMMAND} -E copy ${stage}/Corvix.chm ${CORVIX_HELP_CHM}
        DEPENDS ${corvix_help_pages} ${corvix_help_project}
        COMMENT "Compiling Corvix.chm")
    list(APPEND corvix_help_outputs ${CORVIX_HELP_CHM})
else()
    message(STATUS "chmcmd not found: Corvix.chm is not built, the HTML help is")
endif()
add_custom_target(corvix_help ALL DEPENDS ${corvix_help_outputs})
