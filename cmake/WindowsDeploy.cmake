# What a Windows user's folder needs besides the programs: the Qt DLLs the
# programs link, the plugins Qt loads from the program's folder (the Windows
# platform, its styles, print support, the icon image format) and the
# compiler's runtime, so the folder runs on a machine without either.
set(corvix_qt_dlls)
foreach(module Core Gui Widgets PrintSupport)
    list(APPEND corvix_qt_dlls $<TARGET_FILE:Qt6::${module}>)
endforeach()
install(FILES ${corvix_qt_dlls} ${corvix_runtime_dlls} DESTINATION ${CORVIX_PROGRAM_DIR})

get_target_property(corvix_qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT corvix_qt_core_dll)
    get_target_property(corvix_qt_core_dll Qt6::Core LOCATION)
endif()
get_filename_component(corvix_qt_prefix ${corvix_qt_core_dll} DIRECTORY)
get_filename_component(corvix_qt_prefix ${corvix_qt_prefix} DIRECTORY)
foreach(plugin platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll
        imageformats/qgif.dll printsupport/windowsprintersupport.dll)
    set(file ${corvix_qt_prefix}/plugins/${plugin})
    if(EXISTS ${file})
        get_filename_component(folder ${plugin} DIRECTORY)
        install(FILES ${file} DESTINATION ${CORVIX_PROGRAM_DIR}/${folder})
    endif()
endforeach()

# Qt's own texts (file chooser, print dialog) in the program's languages, as
# Linux gets them from qt6-translations-l10n: the catalogues are the same on
# every platform and sit in the folder's "translations". Corvix's own
# catalogues sit there too: every text for the languages Debian has none for
# (Greek, Swedish, Romanian, Serbian), and for the others the texts Debian's
# lack, loaded beside Debian's.
install(FILES ${CORVIX_QT_CATALOGUES} DESTINATION ${CORVIX_PROGRAM_DIR}/translations)
set(CORVIX_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH
    "Qt's translation catalogues shipped with the Windows folder")
foreach(language IN LISTS CORVIX_LANGUAGE_LOCALES)
    if(language STREQUAL "en")
        continue()  # Qt's own texts are English
    endif()
    set(file ${CORVIX_QT_TRANSLATIONS_DIR}/qtbase_${language}.qm)
    if(EXISTS ${file})
        install(FILES ${file} DESTINATION ${CORVIX_PROGRAM_DIR}/translations)
    endif()
endforeach()
