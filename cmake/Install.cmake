# Where things go when installed. The programs, the language files and the
# help sit side by side in one program folder, since the program looks for
# its language files and Corvix.chm beside its executable: on Linux
# <prefix>/lib/corvix, with links in <prefix>/bin; elsewhere <prefix>/bin.
include(GNUInstallDirs)
if(UNIX AND NOT APPLE)
    set(CORVIX_PROGRAM_DIR lib/corvix)
else()
    set(CORVIX_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
endif()

set(corvix_programs)
foreach(program Corvix corvix-cli linesim_tool corvix-caliper)
    if(TARGET ${program})
        list(APPEND corvix_programs ${program})
    endif()
endforeach()
install(TARGETS ${corvix_programs}
    RUNTIME DESTINATION ${CORVIX_PROGRAM_DIR}
    BUNDLE DESTINATION .)

file(GLOB corvix_language_files ${CMAKE_SOURCE_DIR}/resources/lang/Corvix-*.xml)
install(FILES ${corvix_language_files} DESTINATION ${CORVIX_PROGRAM_DIR})

install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help DESTINATION ${CORVIX_PROGRAM_DIR})
if(CORVIX_HELP_CHM)
    install(FILES ${CORVIX_HELP_CHM} DESTINATION ${CORVIX_PROGRAM_DIR})
endif()

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsDeploy.cmake)
endif()
if(NOT (UNIX AND NOT APPLE))
    return()
endif()

# Corvix's own catalogues of Qt's texts, beside the programs; Debian's own
# come from qt6-translations-l10n, and the program loads ours beside them.
install(FILES ${CORVIX_QT_CATALOGUES} DESTINATION ${CORVIX_PROGRAM_DIR})

# Links in bin, relative, so a staged install (DESTDIR, packages) keeps them.
foreach(program Corvix corvix-cli)
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(CREATE_LINK ../${CORVIX_PROGRAM_DIR}/${program} \"\${link}\" SYMBOLIC)
        message(STATUS \"Link: \${link}\")")
endforeach()

# Desktop entry, icons, and the manual page of corvix-cli.
set(linux_resources ${CMAKE_SOURCE_DIR}/resources/linux)
install(FILES ${linux_resources}/corvix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/Corvix-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME corvix.png)
endforeach()

find_program(CORVIX_GZIP gzip)
if(CORVIX_GZIP)
    set(man_page ${CMAKE_CURRENT_BINARY_DIR}/corvix-cli.1.gz)
    add_custom_command(OUTPUT ${man_page}
        COMMAND ${CORVIX_GZIP} -9 -n -c ${linux_resources}/corvix-cli.1 > ${man_page}
        DEPENDS ${linux_resources}/corvix-cli.1
        COMMENT "Manual page corvix-cli.1.gz")
    add_custom_target(corvix_man_page ALL DEPENDS ${man_page})
else()
    set(man_page ${linux_resources}/corvix-cli.1)
endif()
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The caliper's USB adapter (0403:AFB8): a udev rule that binds the FTDI
# driver to it, keeps ModemManager off it and gives it to group dialout.
# Under the prefix's lib/udev/rules.d, which udev reads for /usr and
# /usr/local alike.
install(FILES ${linux_resources}/60-corvix-caliper.rules DESTINATION lib/udev/rules.d)
