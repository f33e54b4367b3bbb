// Lookup and decompression of the carried resources.
#include "resources/resources.h"

#include <zlib.h>

#include "resources/resource_index.h"

namespace {

// No carried resource comes near this; a larger declared length means the
// bytes are damaged, and nothing is allocated for it.
constexpr std::uint32_t MAX_DECOMPRESSED_SIZE = 64u << 20;

std::uint32_t readLittle32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

}  // namespace

std::span<const std::uint8_t> findResource(std::string_view type, int id) {
    for (std::size_t i = 0; i < RESOURCE_ENTRY_COUNT; ++i) {
        const ResourceEntry& e = RESOURCE_ENTRIES[i];
        if (e.id == id && type == e.type) {
            return {e.data, e.size};
        }
    }
    return {};
}

std::vector<std::uint8_t> decompressResource(std::span<const std::uint8_t> stored) {
    if (stored.size() <= 4) {
        return {};
    }
    const std::uint32_t declared = readLittle32(stored.data());
    if (declared == 0 || declared > MAX_DECOMPRESSED_SIZE) {
        return {};
    }
    std::vector<std::uint8_t> out(declared);
    uLongf outSize = declared;
    const int rc = uncompress(out.data(), &outSize, stored.data() + 4,
                              static_cast<uLong>(stored.size() - 4));
    if (rc != Z_OK || outSize != declared) {
        return {};
    }
    return out;
}

std::vector<std::uint8_t> loadResource(std::string_view type, int id) {
    return decompressResource(findResource(type, id));
}
