# The program's languages, read from their one table, resources/lang/languages.txt
# (one line a language: code, ISO 639 code, own name). Gives the build
#   CORVIX_LANGUAGE_CODES     DEU;ENG;...   (the files Corvix-CODE.xml)
#   CORVIX_LANGUAGE_LOCALES   de;en;...     (Qt's catalogues, the help folders)
#   CORVIX_LANGUAGE_FILES     the language files in resources/lang
# and writes the program's table, generated/app/LanguageRows.inc in the build
# folder, which app/Languages.h includes. A change to the table reconfigures.
set(corvix_language_table ${CMAKE_SOURCE_DIR}/resources/lang/languages.txt)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${corvix_language_table})
file(STRINGS ${corvix_language_table} corvix_language_lines ENCODING UTF-8)

set(CORVIX_LANGUAGE_CODES)
set(CORVIX_LANGUAGE_LOCALES)
set(CORVIX_LANGUAGE_FILES)
set(corvix_language_rows "")
foreach(line IN LISTS corvix_language_lines)
    if(line MATCHES "^#" OR line MATCHES "^[ \t]*$")
        continue()
    endif()
    if(NOT line MATCHES "^([A-Z][A-Z][A-Z]) ([a-z][a-z]) ([^\"\\\\]+)$")
        message(FATAL_ERROR "languages.txt: not a language line: '${line}'")
    endif()
    set(code ${CMAKE_MATCH_1})
    set(locale ${CMAKE_MATCH_2})
    set(name "${CMAKE_MATCH_3}")
    list(APPEND CORVIX_LANGUAGE_CODES ${code})
    list(APPEND CORVIX_LANGUAGE_LOCALES ${locale})
    list(APPEND CORVIX_LANGUAGE_FILES ${CMAKE_SOURCE_DIR}/resources/lang/Corvix-${code}.xml)
    string(APPEND corvix_language_rows
        "    {\"${code}\", \"Corvix-${code}.xml\", \"${name}\", \"${locale}\"},\n")
endforeach()
if(NOT "ENG" IN_LIST CORVIX_LANGUAGE_CODES)
    message(FATAL_ERROR "languages.txt: English (ENG), the template, is missing")
endif()

file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/app/LanguageRows.inc
    CONTENT "// Made by cmake/Languages.cmake from resources/lang/languages.txt.\n@corvix_language_rows@"
    @ONLY)
