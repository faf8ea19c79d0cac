# SPDX-License-Identifier: MIT
# Installation as a desktop application (executable, desktop entry, icons, AppStream metadata)
# and the Debian package built from it by CPack.
include(GNUInstallDirs)

set(FALORYS_APP_ID "org.falorys.Falorys")
set(FALORYS_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging")

install(TARGETS falorys RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${FALORYS_PACKAGING_DIR}/${FALORYS_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${FALORYS_PACKAGING_DIR}/${FALORYS_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 48 64 128 256)
    install(FILES "${FALORYS_PACKAGING_DIR}/icons/${size}/${FALORYS_APP_ID}.png"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES "${FALORYS_PACKAGING_DIR}/icons/${FALORYS_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME "falorys")
set(CPACK_PACKAGE_VENDOR "The Falorys developers")
set(CPACK_PACKAGE_CONTACT "The Falorys developers <falorys@falorys.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive two-slit diffraction and interference")
# Lines of the long description stay under 80 columns (Debian policy).
set(CPACK_PACKAGE_DESCRIPTION
    "Falorys teaches wave optics: it shows the pattern that monochromatic light\n\
forms on a screen after two parallel slits of finite width, as a coloured\n\
strip, an intensity graph and a diagram of the apparatus, all following four\n\
scroll bars. For the classroom: a presentation size for the projector, and\n\
the picture and the data out to the clipboard, PNG and CSV. Polish interface.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
# The Debian revision: packaging/changelog's newest entry is PROJECT_VERSION-this.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://falorys.org/")
# Dependencies on the shared libraries the executable links (dpkg-shlibdeps, from dpkg-dev).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the program without its debugging information.
set(CPACK_STRIP_FILES ON)
# The program carries its own faces; the system's serve Qt's dialogs for the characters those
# lack (a file name in another script).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")

# The manual page, the Debian changelog and the machine-readable copyright, made in the build
# tree from packaging/ (leading "#" comment lines dropped) and installed into the documentation
# and manual folders, compressed as Debian policy asks (gzip -9n: best, no name nor time stamp,
# so the same sources give the same bytes).
set(docs "${PROJECT_BINARY_DIR}/packaging")
function(falorys_packaging_text source output)
    file(READ "${source}" text)
    string(REGEX REPLACE "^(#[^\n]*\n)+" "" text "${text}")
    file(CONFIGURE OUTPUT "${output}" CONTENT "${text}" @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
endfunction()

# The copyright's notice and licence text come from LICENSE, so the two never disagree.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/LICENSE")
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n+(Permission.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE does not hold the copyright line and the MIT permission text")
endif()
set(FALORYS_COPYRIGHT "${CMAKE_MATCH_1}")
# A deb822 multi-line field: every line indented by one blank, an empty line written as " .".
string(REGEX REPLACE "\n\n" "\n.\n" FALORYS_LICENCE_TEXT "${CMAKE_MATCH_2}")
string(REGEX REPLACE "\n" "\n " FALORYS_LICENCE_TEXT " ${FALORYS_LICENCE_TEXT}")

# The faces built into the program (drawing/CMakeLists.txt) keep their copyright and licence:
# their Debian packages' own paragraph for the fonts, naming the faces.
set(FALORYS_FACE_LICENCES "")
foreach(package_and_faces
        "fonts-liberation2:LiberationSans-Regular.ttf LiberationSerif-Regular.ttf:Falorys Sans, Falorys Serif"
        "fonts-dejavu-core:DejaVuSans.ttf DejaVuSans-Bold.ttf:Falorys DejaVu Sans")
    string(REPLACE ":" ";" package_and_faces "${package_and_faces}")
    list(GET package_and_faces 0 package)
    list(GET package_and_faces 1 faces)
    list(GET package_and_faces 2 families)
    set(source "/usr/share/doc/${package}/copyright")
    file(READ "${source}" text)
    string(FIND "${text}" "\nFiles: *\n" start)
    if(start LESS 0)
        message(FATAL_ERROR "${source} has no paragraph for the fonts")
    endif()
    math(EXPR start "${start} + 10")
    string(SUBSTRING "${text}" ${start} -1 paragraph)
    string(FIND "${paragraph}" "\n\n" end)
    string(SUBSTRING "${paragraph}" 0 ${end} paragraph)
    string(APPEND FALORYS_FACE_LICENCES "\nFiles: ${faces}\n"
        "Comment: Built into the program from Debian's ${package}, cut down to the characters\n"
        " it can draw and named \"${families}\".\n${paragraph}\n")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
endforeach()

falorys_packaging_text("${FALORYS_PACKAGING_DIR}/copyright.in" "${docs}/copyright")
falorys_packaging_text("${FALORYS_PACKAGING_DIR}/changelog" "${docs}/changelog.Debian")
falorys_packaging_text("${FALORYS_PACKAGING_DIR}/falorys.1" "${docs}/falorys.1")

find_program(GZIP gzip REQUIRED)
set(compressed)
foreach(name changelog.Debian falorys.1)
    add_custom_command(OUTPUT "${docs}/gz/${name}.gz"
        COMMAND ${CMAKE_COMMAND} -E copy "${docs}/${name}" "${docs}/gz/${name}"
        COMMAND ${GZIP} -9nf "${docs}/gz/${name}"
        DEPENDS "${docs}/${name}"
        COMMENT "Compressing ${name}"
        VERBATIM)
    list(APPEND compressed "${docs}/gz/${name}.gz")
endforeach()
# Built with the program, so that packaging straight after building the program finds them.
add_custom_target(falorys_docs ALL DEPENDS ${compressed})
add_dependencies(falorys falorys_docs)

install(FILES "${docs}/gz/falorys.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The copyright file carries the licence, so LICENSE itself is not installed twice.
install(FILES "${docs}/copyright" "${docs}/gz/changelog.Debian.gz"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Tags that do not apply to a package the project publishes itself, outside the Debian archive.
install(FILES "${FALORYS_PACKAGING_DIR}/lintian-overrides" RENAME falorys
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

# The package's folders are 0755 whatever the umask of the one who packs: the installation
# makes them under that umask, and a package packed under 077 would hide its files.
set(CPACK_PRE_BUILD_SCRIPTS "${FALORYS_PACKAGING_DIR}/folder-modes.cmake")

include(CPack)
