#include "file_test_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace {

void removeTree(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
        ::chmod(path.c_str(), 0700);
        if (DIR* d = ::opendir(path.c_str())) {
            while (dirent* e = ::readdir(d)) {
                const std::string name = e->d_name;
                if (name != "." && name != "..") removeTree(path + "/" + name);
            }
            ::closedir(d);
        }
        ::rmdir(path.c_str());
    } else {
        ::unlink(path.c_str());
    }
}

}  // namespace

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/morlan-test-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir = pattern;
}

TempDir::~TempDir() { removeTree(dir); }

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

void putU16(Bytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(Bytes& out, std::uint32_t v) {
    putU16(out, static_cast<std::uint16_t>(v));
    putU16(out, static_cast<std::uint16_t>(v >> 16));
}

void putSection(Bytes& out, std::uint16_t id, const Bytes& content) {
    putU16(out, id);
    putU32(out, static_cast<std::uint32_t>(content.size() + 6));
    out.insert(out.end(), content.begin(), content.end());
}

Bytes sectionFileBytes(std::uint8_t type, const Bytes& payload, std::uint32_t storedLength) {
    uLongf size = compressBound(static_cast<uLong>(payload.size()));
    Bytes stream(size);
    compress(stream.data(), &size, payload.data(), static_cast<uLong>(payload.size()));
    stream.resize(size);
    Bytes file = {0x54, 0x56, 1, 2, 0, 0, 0, 0, type};
    putU32(file, storedLength);
    file.insert(file.end(), stream.begin(), stream.end());
    fixChecksum(file);
    return file;
}

Bytes sectionFileBytes(std::uint8_t type, const Bytes& payload) {
    return sectionFileBytes(type, payload, static_cast<std::uint32_t>(payload.size()));
}

void fixChecksum(Bytes& file) {
    const uLong sum = adler32(adler32(0L, Z_NULL, 0), file.data() + 8, static_cast<uInt>(file.size() - 8));
    for (int i = 0; i < 4; ++i) file[4 + i] = static_cast<std::uint8_t>(sum >> (8 * i));
}
