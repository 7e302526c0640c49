# The Windows installer and portable zip: the target pictavo_windows_packages of a cross build.
if(WIN32)
    add_subdirectory(packaging/windows)
    return()
endif()

# The Debian package, built with `cpack -G DEB` in a build folder (tools/build-deb.sh).
if(NOT PICTAVO_BUILD_GUI OR NOT UNIX OR APPLE)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pictavo)
set(CPACK_PACKAGE_VERSION "${PICTAVO_VERSION}")
set(CPACK_PACKAGE_VENDOR "Pictavo authors")
set(CPACK_PACKAGE_CONTACT "Pictavo authors <mail@pictavo.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://pictavo.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Debian shows the description as it is: lines within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Drop GIF or JPEG files on the window: for each one Pictavo reads the width
and height from the file header and writes an HTML img tag, shows it and puts
it on the clipboard.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# dpkg-shlibdeps computes the library dependencies from the program itself; they only set a least
# version. The clipboard reaches Qt's Wayland display through Qt's private platform API, which
# holds for the one Qt version it was built against: Debian's Qt packages provide their exact
# version as qt6-base-abi, for programs like this one.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-base-abi (= ${Qt6_VERSION})")
# What no library link shows: the typeface the windows are laid out in, Qt's Wayland plugin
# (Debian ships it apart from Qt; without it a Wayland desktop shows the window through XWayland),
# the opener of the About window's links, and the system information programs that its button
# looks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo | gnome-system-monitor | mate-system-monitor | kinfocenter")

# What Debian asks of every package beside the program: the licence in machine-readable form, a
# changelog and a manual page, the last two compressed without a time stamp (gzip -n).
include(GNUInstallDirs)
set(debian_dir ${PROJECT_BINARY_DIR}/packaging/debian)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
# The licence's terms follow its copyright line. The copyright file indents them by one space and
# writes an empty line as " .".
string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" licence_terms "${licence}")
string(STRIP "${licence_terms}" licence_terms)
string(REPLACE "\n\n" "\n.\n" licence_terms "${licence_terms}")
string(REPLACE "\n" "\n " LICENCE_TERMS " ${licence_terms}")
configure_file(packaging/debian/copyright.in ${debian_dir}/copyright @ONLY)
foreach(file changelog pictavo.1)
    configure_file(packaging/debian/${file}.in ${debian_dir}/${file} @ONLY)
    execute_process(COMMAND gzip -9 -n -c ${debian_dir}/${file} OUTPUT_FILE ${debian_dir}/${file}.gz
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${debian_dir}/copyright ${debian_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${debian_dir}/pictavo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)

add_test(NAME pictavo_debian_package
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/debian/tests/debian_package_check.sh ${PROJECT_BINARY_DIR} ${PICTAVO_VERSION}
        ${Qt6_VERSION})
set_tests_properties(pictavo_debian_package PROPERTIES SKIP_RETURN_CODE 77)
