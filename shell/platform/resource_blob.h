// One carried resource of the custom types ("BMP", "WAVE", "DAT"): its
// stored bytes, still compressed, copied into a buffer this object owns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ResourceBlob {
public:
    // Empty when the program carries no such resource.
    void load(const std::string& type, int id);
    const std::uint8_t* data() const { return bytes.data(); }
    std::size_t size() const { return bytes.size(); }
    // The decompressed content (4-byte length, then one zlib stream); empty
    // when the blob is empty or damaged.
    std::vector<std::uint8_t> decompressed() const;

private:
    std::vector<std::uint8_t> bytes;
};
