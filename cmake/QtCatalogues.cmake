# Qt's own texts (the message box buttons, the file, folder, font and print
# dialogs) where Debian's Qt catalogues fall short: Corvix's own catalogues in
# resources/qt-translations (every text for a language Debian has none for,
# the texts Debian's lacks for the others), compiled by Qt's lrelease into
# corvix_qtbase_XX.qm beside the executables, where the program finds them.
# The host's lrelease serves the Windows build as well: the files are the
# same on every platform.
find_program(CORVIX_LRELEASE NAMES lrelease lrelease-qt6
    HINTS /usr/lib/qt6/bin ${QT_HOST_PATH}/lib/qt6/bin ${QT_HOST_PATH}/bin
    DOC "Qt's lrelease (Debian package qt6-l10n-tools)")
if(NOT CORVIX_LRELEASE)
    message(FATAL_ERROR "Qt's lrelease was not found; scripts/setup-deps installs qt6-l10n-tools")
endif()

file(GLOB corvix_qt_catalogue_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/qt-translations/corvix_qtbase_*.ts)
set(CORVIX_QT_CATALOGUES)
foreach(source ${corvix_qt_catalogue_sources})
    get_filename_component(name ${source} NAME_WE)
    set(catalogue ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${name}.qm)
    add_custom_command(OUTPUT ${catalogue}
        COMMAND ${CORVIX_LRELEASE} -silent ${source} -qm ${catalogue}
        DEPENDS ${source}
        COMMENT "Qt catalogue ${name}.qm")
    list(APPEND CORVIX_QT_CATALOGUES ${catalogue})
endforeach()
add_custom_target(corvix_qt_catalogues ALL DEPENDS ${CORVIX_QT_CATALOGUES})
