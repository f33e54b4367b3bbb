// Helpers for the tests of game files and the settings file: a scratch
// folder removed afterwards, whole-file access, and payload building.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/types.h"

using Bytes = std::vector<std::uint8_t>;

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }
    std::string file(const std::string& name) const { return dir + "/" + name; }
    // Names of the entries in the folder, sorted.
    std::vector<std::string> entries() const;

private:
    std::string dir;
};

void writeBytes(const std::string& path, const Bytes& bytes);
Bytes readBytes(const std::string& path);
Bytes bytesOf(const std::string& text);

// Little-endian appends for building payloads by hand.
void putU16(Bytes& out, std::uint16_t v);
void putU32(Bytes& out, std::uint32_t v);
// A section: id, length including the 6-byte header, content.
void putSection(Bytes& out, std::uint16_t id, const Bytes& content);

// The whole container around a payload, built with zlib directly.
Bytes sectionFileBytes(std::uint8_t type, const Bytes& payload, std::uint32_t storedLength);
Bytes sectionFileBytes(std::uint8_t type, const Bytes& payload);
// Recomputes the Adler-32 at offset 4 after the bytes were changed.
void fixChecksum(Bytes& file);
