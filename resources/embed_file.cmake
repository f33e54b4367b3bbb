# Writes OUTPUT, a C++ file defining the bytes of INPUT as SYMBOL and its
# length as SYMBOL_size. Run as: cmake -DINPUT= -DOUTPUT= -DSYMBOL= -P embed_file.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){24})" "\\1\n    " bytes "${bytes}")
if(size EQUAL 0)
  set(bytes "0")
endif()
file(WRITE ${OUTPUT}
"// Embedded by the build from ${INPUT}.
#include <cstddef>
#include <cstdint>

extern const std::uint8_t ${SYMBOL}[];
extern const std::size_t ${SYMBOL}_size;
alignas(4) const std::uint8_t ${SYMBOL}[] = {
    ${bytes}
};
const std::size_t ${SYMBOL}_size = ${size};
")
