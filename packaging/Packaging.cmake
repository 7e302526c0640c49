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
set(CPACK_PACKAGE_DESCRIPTION
    "Drop GIF or JPEG files on the window: for each one Pictavo reads the width and height from
the file header and writes an HTML img tag, shows it and puts it on the clipboard.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# dpkg-shlibdeps computes the library dependencies from the program itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no library link shows: the typeface the windows are laid out in, the opener of the About
# window's links, and the system information programs that its button looks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hardinfo | gnome-system-monitor | mate-system-monitor | kinfocenter")

include(CPack)
