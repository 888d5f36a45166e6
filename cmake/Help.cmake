# The help: the HTML pages of resources/help, copied beside the executables
# (bin/help/), and compiled into bin/Corvix.chm when a CHM compiler (chmcmd,
# Debian package fp-utils) is found. The compiler is optional. The pages of
# the other languages go to bin/help/<code>/ (see below); the CHM is English.
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

# A language's pages: resources/help/<code>/ (the language's Qt code, "de")
# holds its translations under the English names, with the stylesheet one
# folder up. Each language with such a folder gets every page in
# bin/help/<code>/: its translation, or the English page until there is one,
# its stylesheet link pointed one folder up, so that each link between the
# pages leads to a page.
file(GLOB corvix_help_english CONFIGURE_DEPENDS ${corvix_help_source}/*.html)
file(GLOB corvix_help_entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${corvix_help_source}/*)
set(corvix_help_english_page ${CMAKE_CURRENT_LIST_DIR}/HelpEnglishPage.cmake)
foreach(folder ${corvix_help_entries})
    if(NOT IS_DIRECTORY ${folder})
        continue()
    endif()
    get_filename_component(code ${folder} NAME)
    # A page translated later reconfigures the build, which then copies it.
    file(GLOB translated CONFIGURE_DEPENDS ${folder}/*.html)
    foreach(english ${corvix_help_english})
        get_filename_component(name ${english} NAME)
        set(output ${corvix_help_dir}/${code}/${name})
        if(EXISTS ${folder}/${name})
            add_custom_command(OUTPUT ${output}
                COMMAND ${CMAKE_COMMAND} -E copy_if_different ${folder}/${name} ${output}
                DEPENDS ${folder}/${name}
                COMMENT "Help page ${code}/${name}")
        else()
            add_custom_command(OUTPUT ${output}
                COMMAND ${CMAKE_COMMAND} -Dsource=${english} -Doutput=${output}
                        -P ${corvix_help_english_page}
                DEPENDS ${english} ${corvix_help_english_page}
                COMMENT "Help page ${code}/${name} (English)")
        endif()
        list(APPEND corvix_help_outputs ${output})
    endforeach()
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
