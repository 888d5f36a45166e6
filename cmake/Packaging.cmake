# Installation and packages. `cmake --install` puts the programs, the
# language files and the help side by side; `cpack` (in the build folder)
# makes a Debian package on Linux and a ZIP archive elsewhere.
# Who answers for the package: its Maintainer field, the changelog's
# signature and the copyright's contact. A packager sets their own with
# -DCORVIX_MAINTAINER="Name <address>".
set(CORVIX_MAINTAINER "Corvix maintainers <corvix@brenvald.example>"
    CACHE STRING "The package's maintainer, \"Name <address>\"")
include(${CMAKE_CURRENT_LIST_DIR}/Install.cmake)

set(CPACK_PACKAGE_NAME corvix)
set(CPACK_PACKAGE_VENDOR "Brenvald")
set(CPACK_PACKAGE_CONTACT "${CORVIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kermit transfers with a forestry data-collecting caliper")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvix sends files and programs to a forestry data-collecting caliper over\n"
    "a serial line with the Kermit protocol, receives its files and answers its\n"
    "requests, captures and prints the text it prints, in thirteen languages.\n"
    "corvix-cli runs the same jobs from a terminal or a script.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION comm)
    # The C, C++ and Qt libraries come from the binaries (dpkg-shlibdeps);
    # the platform plugins, which no library brings in, are named. Without
    # dpkg-shlibdeps the Qt libraries are named too.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4)")
    find_program(CORVIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(CORVIX_DPKG_SHLIBDEPS)
        set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    else()
        string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS
            "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), "
            "libqt6printsupport6 (>= 6.4), libqt6serialport6 (>= 6.4), ")
    endif()
    # Qt's own dialogs (file, print, font choosers) in the interface language;
    # xdg-open, which opens received text files and captures in an editor.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer")
    # The package reloads the udev rules when installed and removed.
    set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
        "${CMAKE_SOURCE_DIR}/resources/linux/debian/postinst"
        "${CMAKE_SOURCE_DIR}/resources/linux/debian/postrm")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
else()
    set(CPACK_GENERATOR ZIP)
endif()

include(CPack)
