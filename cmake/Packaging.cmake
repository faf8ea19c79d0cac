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
install(FILES "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME "falorys")
set(CPACK_PACKAGE_VENDOR "The Falorys developers")
set(CPACK_PACKAGE_CONTACT "The Falorys developers <falorys@falorys.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive two-slit diffraction and interference")
set(CPACK_PACKAGE_DESCRIPTION
    "Falorys teaches wave optics: it shows the pattern that monochromatic light forms on a\n\
screen after two parallel slits of finite width, as a coloured strip, an intensity graph\n\
and a diagram of the apparatus, all following four scroll bars. Polish interface.")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
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
# The faces the program asks for resolve to these through fontconfig.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
include(CPack)
