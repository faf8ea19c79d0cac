# SPDX-License-Identifier: MIT
# Turns a file into a C++ source that returns its bytes, so that the program carries the file
# inside its executable. Run as a script:
#   cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -DHEADER=<header> -P embed_file.cmake
# The generated function, in namespace app, is `std::span<const std::uint8_t> <name>()`.
foreach(var INPUT OUTPUT FUNCTION HEADER)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "embed_file.cmake: ${var} not given")
    endif()
endforeach()

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
    message(FATAL_ERROR "embed_file.cmake: ${INPUT} is empty")
endif()
# Sixteen bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)

file(WRITE "${OUTPUT}.tmp"
"// SPDX-License-Identifier: MIT
// Generated at build time from ${name} by embed_file.cmake; do not edit.
#include \"${HEADER}\"

namespace app {

namespace {
const std::uint8_t kBytes[] = {
    ${bytes}
};
} // namespace

std::span<const std::uint8_t> ${FUNCTION}()
{
    return kBytes;
}

} // namespace app
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
