// A second reader of XQF files, written for the tests from the format's
// description alone and sharing nothing with the program's reader: it
// undoes the keys, lists the records in file order and checks that the tree
// they describe ends with the stream. The program's writer and its reader
// are both checked against it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ReferenceXqfRecord {
    int from = 0, to = 0;  // position codes
    bool next = false, variation = false;
    std::string comment;
    friend bool operator==(const ReferenceXqfRecord&, const ReferenceXqfRecord&) = default;
};

struct ReferenceXqf {
    int version = 0;
    int codes[32] = {};                       // each slot's position code, 90 and above off the board
    std::vector<ReferenceXqfRecord> records;  // the start record first
    bool whole = false;                       // the tree ends exactly where the stream does
};

inline ReferenceXqf readReferenceXqf(const std::vector<std::uint8_t>& f) {
    ReferenceXqf x;
    if (f.size() < 1024 || f[0] != 'X' || f[1] != 'Q') return x;
    x.version = f[2];
    const bool keyed = x.version >= 0x0B;
    auto s = [](unsigned b) { return (54 * b * b + 221) & 0xFF; };
    const unsigned kxy = keyed ? s(f[13]) * f[13] & 0xFF : 0, kxyf = keyed ? s(f[14]) * kxy & 0xFF : 0,
                   kxyt = keyed ? s(f[15]) * kxyf & 0xFF : 0;
    const long krmk = keyed ? (f[12] * 256L + f[13]) % 32000 + 767 : 0;
    unsigned key[32] = {};
    const char* text = "[(C) Copyright Mr. Dong Shiwei.]";
    for (int i = 0; keyed && i < 32; ++i) key[i] = text[i] & ((f[12 + i % 4] & f[3]) | f[8 + i % 4]);
    for (int i = 0; i < 32; ++i) {
        const int slot = x.version >= 0x0C ? (kxy + i + 1) % 32 : i;
        x.codes[slot] = (f[16 + i] - kxy) & 0xFF;
    }
    std::size_t at = 1024;
    auto byte = [&](std::uint8_t& out) {
        if (at >= f.size()) return false;
        out = static_cast<std::uint8_t>((f[at] - key[at % 32]) & 0xFF);
        ++at;
        return true;
    };
    long owed = 1;  // records the tree still promises: the start record
    while (owed > 0) {
        std::uint8_t b[8];
        for (int i = 0; i < 4; ++i)
            if (!byte(b[i])) return x;
        ReferenceXqfRecord r;
        r.from = (b[0] - 0x18 - static_cast<int>(kxyf)) & 0xFF;
        r.to = (b[1] - 0x20 - static_cast<int>(kxyt)) & 0xFF;
        r.next = keyed ? (b[2] & 0x80) != 0 : (b[2] & 0xF0) != 0;
        r.variation = keyed ? (b[2] & 0x40) != 0 : (b[2] & 0x0F) != 0;
        if (!keyed || (b[2] & 0x20)) {
            for (int i = 4; i < 8; ++i)
                if (!byte(b[i])) return x;
            const long length = (b[4] | b[5] << 8 | b[6] << 16 | static_cast<long>(b[7]) << 24) - krmk;
            if (length < 0 || static_cast<std::size_t>(length) > f.size() - at) return x;
            for (long i = 0; i < length; ++i) {
                std::uint8_t c = 0;
                byte(c);
                r.comment += static_cast<char>(c);
            }
        }
        // Each record is owed once; it owes its first reply and, past the start, its next sibling.
        --owed;
        owed += r.next + (!x.records.empty() && r.variation);
        x.records.push_back(std::move(r));
    }
    x.whole = at == f.size();
    return x;
}
