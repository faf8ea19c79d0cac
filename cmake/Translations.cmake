# SPDX-License-Identifier: MIT
# The program's texts in Ukrainian and English: Polish is the source language, the catalogues
# (translations/*.ts) are compiled by Qt's lrelease at build time and built into the program on
# every system. `cmake --build --preset default --target update_translations` collects new texts.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
file(GLOB_RECURSE falorys_text_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
    ${PROJECT_SOURCE_DIR}/drawing/*.cpp ${PROJECT_SOURCE_DIR}/drawing/*.h)
qt_add_translations(falorys_output
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/falorys_uk.ts
             ${PROJECT_SOURCE_DIR}/translations/falorys_en.ts
    SOURCES ${falorys_text_sources}
    RESOURCE_PREFIX /translations
    LUPDATE_OPTIONS -source-language pl -no-obsolete -locations none
    LRELEASE_OPTIONS -silent)
