#include "game/section_file.h"

#include <algorithm>
#include <zlib.h>

namespace {

constexpr std::uint8_t MAGIC[4] = {0x54, 0x56, 1, 2};  // "TV", 1, 2
constexpr std::size_t CHECKSUM_START = 8;

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void writeU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t checksumOf(std::span<const std::uint8_t> bytes) {
    uLong sum = adler32(0L, Z_NULL, 0);
    // adler32 takes a uInt length; feed large inputs in pieces.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t n = std::min<std::size_t>(bytes.size() - done, 1u << 30);
        sum = adler32(sum, bytes.data() + done, static_cast<uInt>(n));
        done += n;
    }
    return static_cast<std::uint32_t>(sum);
}

}  // namespace

bool SectionFile::encode(std::size_t maxFileSize, std::vector<std::uint8_t>& out) const {
    if (payload.size() > 0xFFFFFFFFu) return false;
    uLongf streamSize = compressBound(static_cast<uLong>(payload.size()));
    std::vector<std::uint8_t> file(SECTION_FILE_HEADER_SIZE + streamSize);
    if (compress(file.data() + SECTION_FILE_HEADER_SIZE, &streamSize, payload.data(),
                 static_cast<uLong>(payload.size())) != Z_OK)
        return false;
    file.resize(SECTION_FILE_HEADER_SIZE + streamSize);
    if (file.size() > maxFileSize) return false;
    std::copy(std::begin(MAGIC), std::end(MAGIC), file.begin());
    file[8] = type;
    writeU32(&file[9], static_cast<std::uint32_t>(payload.size()));
    writeU32(&file[4], checksumOf(std::span(file).subspan(CHECKSUM_START)));
    out = std::move(file);
    return true;
}

bool SectionFile::decode(std::span<const std::uint8_t> file, std::uint8_t expectedType, std::size_t maxFileSize,
                         std::size_t maxPayload) {
    if (file.size() < SECTION_FILE_HEADER_SIZE || file.size() > maxFileSize) return false;
    if (file[0] != MAGIC[0] || file[1] != MAGIC[1]) return false;
    if (readU32(&file[4]) != checksumOf(file.subspan(CHECKSUM_START))) return false;
    if (file[8] != expectedType) return false;
    const std::uint32_t length = readU32(&file[9]);
    if (length > maxPayload) return false;
    std::vector<std::uint8_t> inflated(length);
    uLongf inflatedSize = length;
    const auto stream = file.subspan(SECTION_FILE_HEADER_SIZE);
    // zlib wants a writable pointer even for an empty buffer.
    std::uint8_t none = 0;
    if (uncompress(length ? inflated.data() : &none, &inflatedSize, stream.data(),
                   static_cast<uLong>(stream.size())) != Z_OK ||
        inflatedSize != length)
        return false;
    type = expectedType;
    payload = std::move(inflated);
    return true;
}

void SectionWriter::beginSection(std::uint16_t id) {
    sectionStart = bytes.size();
    putU16(id);
    putU32(0);  // length, filled in by endSection
}

void SectionWriter::endSection() {
    if (overflow) return;
    writeU32(&bytes[sectionStart + 2], static_cast<std::uint32_t>(bytes.size() - sectionStart));
}

void SectionWriter::putByte(std::uint8_t value) {
    if (overflow || bytes.size() >= capacity) {
        overflow = true;
        return;
    }
    bytes.push_back(value);
}

void SectionWriter::putU16(std::uint16_t value) {
    putByte(static_cast<std::uint8_t>(value));
    putByte(static_cast<std::uint8_t>(value >> 8));
}

void SectionWriter::putU32(std::uint32_t value) {
    putU16(static_cast<std::uint16_t>(value));
    putU16(static_cast<std::uint16_t>(value >> 16));
}

void SectionWriter::putBytes(std::span<const std::uint8_t> data) {
    if (overflow || data.size() > capacity - bytes.size()) {
        overflow = true;
        return;
    }
    bytes.insert(bytes.end(), data.begin(), data.end());
}

void SectionWriter::putText(const std::string& text) {
    putBytes(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    putByte(0);
}

bool SectionContent::getByte(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = bytes[position++];
    return true;
}

bool SectionContent::getU16(std::uint16_t& value) {
    if (remaining() < 2) return false;
    value = static_cast<std::uint16_t>(bytes[position] | bytes[position + 1] << 8);
    position += 2;
    return true;
}

bool SectionContent::getU32(std::uint32_t& value) {
    if (remaining() < 4) return false;
    value = readU32(&bytes[position]);
    position += 4;
    return true;
}

bool SectionContent::getBytes(std::span<std::uint8_t> out) {
    if (remaining() < out.size()) return false;
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(position), out.size(), out.begin());
    position += out.size();
    return true;
}

bool SectionContent::getText(std::string& text) {
    const auto rest = bytes.subspan(position);
    const auto zero = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    text.assign(rest.begin(), zero);
    position += text.size();
    if (zero == rest.end()) return false;
    ++position;
    return true;
}

bool SectionWalker::next(Section& section) {
    if (payload.size() - position < SECTION_HEADER_SIZE) return false;
    SectionContent header(payload.subspan(position, SECTION_HEADER_SIZE));
    std::uint16_t id = 0;
    std::uint32_t length = 0;
    header.getU16(id);
    header.getU32(length);
    if (length < SECTION_HEADER_SIZE || length > payload.size() - position) {
        position = payload.size();  // the walk ends here
        return false;
    }
    section.id = id;
    section.content = SectionContent(payload.subspan(position + SECTION_HEADER_SIZE, length - SECTION_HEADER_SIZE));
    position += length;
    return true;
}
