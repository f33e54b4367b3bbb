// The pictures, sounds and opening book carried inside the program. Each
// is kept by type name ("BMP", "WAVE", "DAT", "ICON") and number. The
// custom types are stored compressed: a 4-byte little-endian length of the
// decompressed data, then one zlib stream.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The stored bytes of one resource, still compressed; empty when the
// program carries no such resource.
std::span<const std::uint8_t> findResource(std::string_view type, int id);

// The decompressed bytes of a resource in the compressed form; empty when
// the bytes are damaged (too short, wrong length, broken stream).
std::vector<std::uint8_t> decompressResource(std::span<const std::uint8_t> stored);

// The decompressed bytes of a carried resource, or empty.
std::vector<std::uint8_t> loadResource(std::string_view type, int id);
