# SPDX-License-Identifier: MIT
# Qt's own texts (file dialogs, standard buttons) in Polish and Ukrainian, from Qt's catalogues;
# English is Qt's own. app/desktop builds them in; drawing/ keeps their characters in the faces
# the program carries.
set(FALORYS_QT_CATALOGUES)
foreach(language pl uk)
    find_file(FALORYS_QTBASE_${language} qtbase_${language}.qm
        PATHS /usr/share/qt6/translations ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT FALORYS_QTBASE_${language})
        message(FATAL_ERROR "qtbase_${language}.qm not found: install qt6-translations-l10n")
    endif()
    list(APPEND FALORYS_QT_CATALOGUES ${FALORYS_QTBASE_${language}})
endforeach()
