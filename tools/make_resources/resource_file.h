// Writing a resource in the compressed form: the 4-byte little-endian
// decompressed length, then one zlib stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> compressResource(const std::vector<std::uint8_t>& bytes);
bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
