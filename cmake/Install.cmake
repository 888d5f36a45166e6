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

# Only the programs a user runs; the simulated cable and the virtual caliper
# are tools of the tests and the demo, and stay in the build folder.
set(corvix_programs)
foreach(program Corvix corvix-cli)
    if(TARGET ${program})
        list(APPEND corvix_programs ${program})
    endif()
endforeach()
install(TARGETS ${corvix_programs}
    RUNTIME DESTINATION ${CORVIX_PROGRAM_DIR}
    BUNDLE DESTINATION .)

install(FILES ${CORVIX_LANGUAGE_FILES} DESTINATION ${CORVIX_PROGRAM_DIR})

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

# Desktop entry, AppStream metadata, icons.
set(linux_resources ${CMAKE_SOURCE_DIR}/resources/linux)
install(FILES ${linux_resources}/corvix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${linux_resources}/com.brenvald.corvix.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 256)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/Corvix-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME corvix.png)
endforeach()

# The manual pages and the changelog, compressed as Debian wants them (gzip
# -9n: no name, no time, the same bytes each build); the copyright beside.
configure_file(${linux_resources}/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
configure_file(${linux_resources}/debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
find_program(CORVIX_GZIP gzip REQUIRED)
set(corvix_gzipped)
foreach(source ${linux_resources}/Corvix.1 ${linux_resources}/corvix-cli.1
        ${CMAKE_CURRENT_BINARY_DIR}/changelog)
    get_filename_component(name ${source} NAME)
    set(gzipped ${CMAKE_CURRENT_BINARY_DIR}/gz/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz
        COMMAND ${CORVIX_GZIP} -9 -n -c ${source} > ${gzipped}
        DEPENDS ${source}
        COMMENT "Compressing ${name}")
    list(APPEND corvix_gzipped ${gzipped})
endforeach()
add_custom_target(corvix_gzipped ALL DEPENDS ${corvix_gzipped})
list(GET corvix_gzipped 0 corvix_man_page)
list(GET corvix_gzipped 1 corvix_cli_man_page)
list(GET corvix_gzipped 2 corvix_changelog)
install(FILES ${corvix_man_page} ${corvix_cli_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${corvix_changelog} ${CMAKE_CURRENT_BINARY_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvix)
install(FILES ${linux_resources}/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME corvix)

# The caliper's USB adapter (0403:AFB8): a udev rule that binds the FTDI
# driver to it, keeps ModemManager off it and gives it to group dialout.
# Under the prefix's lib/udev/rules.d, which udev reads for /usr and
# /usr/local alike.
install(FILES ${linux_resources}/60-corvix-caliper.rules DESTINATION lib/udev/rules.d)
