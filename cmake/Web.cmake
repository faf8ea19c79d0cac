# SPDX-License-Identifier: MIT
# The browser's program: falorys.js and falorys.wasm, with Qt's loader and page, in the build's
# root. Plain add_executable does not run Qt's WebAssembly finalizer, which writes the loader
# and the page and sets the linker's memory options: it is called here.
set_target_properties(falorys PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
qt_finalize_target(falorys)
