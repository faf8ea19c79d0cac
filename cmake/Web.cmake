# SPDX-License-Identifier: MIT
# The browser's program: falorys.js and falorys.wasm, with Qt's loader and page, in the build's
# root. Plain add_executable does not run Qt's WebAssembly finalizer, which writes the loader
# and the page and sets the linker's memory options: it is called here.
set_target_properties(falorys PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
qt_finalize_target(falorys)

# The site and the single file, written after every build from the page's sources in
# packaging/web/: always run, because Qt's configure step writes its own falorys.html.
add_custom_target(falorys_site ALL
    COMMAND bash "${PROJECT_SOURCE_DIR}/packaging/web/make-site.sh"
            "${PROJECT_SOURCE_DIR}/packaging/web" "${PROJECT_SOURCE_DIR}/packaging/icons"
            "${PROJECT_BINARY_DIR}"
    DEPENDS falorys
    COMMENT "Writing the browser's site and single file"
    VERBATIM)
