// The compressed container shared by game files and the settings file:
//
//   0  "TV", the bytes 1 and 2
//   4  Adler-32 of every byte from offset 8 to the end
//   8  type byte (SECTION_FILE_GAME or SECTION_FILE_SETTINGS)
//   9  payload length, 4 bytes little-endian
//   13 the payload as one zlib stream
//
// The payload is a run of sections: id (2 bytes), length including the
// 6-byte header (4 bytes), content. All integers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr std::uint8_t SECTION_FILE_SETTINGS = 1;
constexpr std::uint8_t SECTION_FILE_GAME = 2;
constexpr std::size_t SECTION_FILE_HEADER_SIZE = 13;
constexpr std::size_t SECTION_HEADER_SIZE = 6;

struct SectionFile {
    std::uint8_t type = 0;
    std::vector<std::uint8_t> payload;

    // The whole file. False when it would be larger than maxFileSize or
    // compression fails; out is then unchanged.
    bool encode(std::size_t maxFileSize, std::vector<std::uint8_t>& out) const;

    // Reads a whole file of the expected type. False, leaving this object
    // unchanged, when the file is shorter than its header or longer than
    // maxFileSize, the magic, checksum or type differ, the stored length is
    // above maxPayload, or the stream does not inflate to exactly that length.
    bool decode(std::span<const std::uint8_t> file, std::uint8_t expectedType, std::size_t maxFileSize,
                std::size_t maxPayload);
};

// Builds a payload section by section. Nothing is written past the
// capacity: once something does not fit, the writer is marked as
// overflowed and takes no more bytes.
class SectionWriter {
public:
    explicit SectionWriter(std::size_t capacity) : capacity(capacity) {}

    void beginSection(std::uint16_t id);
    void endSection();

    void putByte(std::uint8_t value);
    void putU16(std::uint16_t value);
    void putU32(std::uint32_t value);
    void putBytes(std::span<const std::uint8_t> bytes);
    // The text's bytes and a terminating zero byte.
    void putText(const std::string& text);

    bool overflowed() const { return overflow; }
    const std::vector<std::uint8_t>& payload() const { return bytes; }

private:
    std::size_t capacity;
    std::vector<std::uint8_t> bytes;
    std::size_t sectionStart = 0;
    bool overflow = false;
};

// Reads the content of one section; every read stays inside it.
class SectionContent {
public:
    explicit SectionContent(std::span<const std::uint8_t> bytes) : bytes(bytes) {}

    std::size_t remaining() const { return bytes.size() - position; }
    bool atEnd() const { return position == bytes.size(); }

    bool getByte(std::uint8_t& value);
    bool getU16(std::uint16_t& value);
    bool getU32(std::uint32_t& value);
    bool getBytes(std::span<std::uint8_t> out);
    // Bytes up to a zero byte, which is consumed. A text missing its zero
    // byte ends at the end of the section; the result is then false.
    bool getText(std::string& text);

private:
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

struct Section {
    std::uint16_t id = 0;
    SectionContent content{{}};
};

// Walks the sections of a payload in the order found. The walk ends at the
// payload's end or at a section whose length is below its header size or
// reaches past the payload.
class SectionWalker {
public:
    explicit SectionWalker(std::span<const std::uint8_t> payload) : payload(payload) {}
    bool next(Section& section);

private:
    std::span<const std::uint8_t> payload;
    std::size_t position = 0;
};
