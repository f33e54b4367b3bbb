#include "shell/platform/resource_blob.h"

#include "resources/resources.h"

void ResourceBlob::load(const std::string& type, int id) {
    const std::span<const std::uint8_t> stored = findResource(type, id);
    bytes.assign(stored.begin(), stored.end());
}

std::vector<std::uint8_t> ResourceBlob::decompressed() const {
    return decompressResource(std::span<const std::uint8_t>(bytes.data(), bytes.size()));
}
