// zlib at its best level; the output depends only on the input.
#include "tools/make_resources/resource_file.h"

#include <zlib.h>

#include <cstdio>

std::vector<std::uint8_t> compressResource(const std::vector<std::uint8_t>& bytes) {
    uLongf size = compressBound(uLong(bytes.size()));
    std::vector<std::uint8_t> out(4 + size);
    const auto length = std::uint32_t(bytes.size());
    for (int i = 0; i < 4; ++i) out[i] = std::uint8_t(length >> (8 * i));
    if (compress2(out.data() + 4, &size, bytes.data(), uLong(bytes.size()), Z_BEST_COMPRESSION) != Z_OK) {
        return {};
    }
    out.resize(4 + size);
    return out;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}
