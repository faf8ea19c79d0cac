# SPDX-License-Identifier: MIT
# The Windows program: one executable of the graphical kind, linked statically (the toolchain
# file), with its icon, manifest and version, and the NSIS installer made from it.
enable_language(RC)

set(FALORYS_PUBLISHER "The Falorys developers")
set(FALORYS_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/falorys.ico")
set(FALORYS_MANIFEST "${PROJECT_SOURCE_DIR}/packaging/windows/falorys.manifest")
set(FALORYS_DESCRIPTION "${PROJECT_DESCRIPTION}")
configure_file("${PROJECT_SOURCE_DIR}/packaging/windows/falorys.rc.in"
               "${PROJECT_BINARY_DIR}/falorys.rc" @ONLY)
target_sources(falorys PRIVATE "${PROJECT_BINARY_DIR}/falorys.rc")
set_source_files_properties("${PROJECT_BINARY_DIR}/falorys.rc" TARGET_DIRECTORY falorys
    PROPERTIES OBJECT_DEPENDS "${FALORYS_ICON};${FALORYS_MANIFEST}")
# build/windows/falorys.exe: the file a user copies to a USB stick.
# Without symbols: what is shipped, not what is debugged.
target_link_options(falorys PRIVATE -s)
set_target_properties(falorys PROPERTIES WIN32_EXECUTABLE ON
                      RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")

find_program(MAKENSIS makensis REQUIRED)
set(FALORYS_SETUP "${PROJECT_BINARY_DIR}/falorys-${PROJECT_VERSION}-setup.exe")
add_custom_command(OUTPUT "${FALORYS_SETUP}"
    COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 "-DVERSION=${PROJECT_VERSION}"
            "-DPUBLISHER=${FALORYS_PUBLISHER}" "-DPROGRAM=$<TARGET_FILE:falorys>"
            "-DICON=${FALORYS_ICON}" "-DOUTFILE=${FALORYS_SETUP}"
            "${PROJECT_SOURCE_DIR}/packaging/windows/falorys.nsi"
    DEPENDS falorys "${PROJECT_SOURCE_DIR}/packaging/windows/falorys.nsi" "${FALORYS_ICON}"
    COMMENT "Making the installer"
    VERBATIM)
add_custom_target(falorys_setup ALL DEPENDS "${FALORYS_SETUP}")
