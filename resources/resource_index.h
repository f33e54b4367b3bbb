// The table of carried resources, written by the build from the files in
// resources/ (see CMakeLists.txt there).
#pragma once

#include <cstddef>
#include <cstdint>

struct ResourceEntry {
    const char* type;
    int id;
    const std::uint8_t* data;
    std::size_t size;
};

extern const ResourceEntry RESOURCE_ENTRIES[];
extern const std::size_t RESOURCE_ENTRY_COUNT;
