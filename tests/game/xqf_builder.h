// Builds XQF files byte by byte for the tests and the fuzz seeds: any
// version, plain or with keys, any tree of records. It encodes the format
// on its own, so that the reader is checked against a second account of it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct XqfBuildRecord {
    int from = 0, to = 0;  // position codes: file from Red's left * 10 + rank
    bool next = false, variation = false;
    std::string comment;  // GBK
};

struct XqfBuilder {
    int version = 0x12;
    // Header bytes 0x03 and 0x08..0x0F: key mask, four key ors, key sum and the three seeds.
    std::array<std::uint8_t, 9> keyBytes = {0xFA, 0xE1, 0xFE, 0xFE, 0x23, 0xB4, 0xBD, 0x05, 0x8A};
    std::array<int, 32> slots{};  // position code of each piece slot, above 89 for none
    int sideByte = 0;
    int result = 0;
    std::string title, event, date, site, red, black, commentator;
    std::string openingComment;
    bool startHasNext = true;
    std::vector<XqfBuildRecord> records;  // the moves, in file order

    // The standard opening position, slots in the usual order (each side from its own right).
    XqfBuilder() {
        constexpr int RED[16] = {80, 70, 60, 50, 40, 30, 20, 10, 0, 72, 12, 83, 63, 43, 23, 3};
        for (int i = 0; i < 16; ++i) {
            slots[i] = RED[i];
            slots[16 + i] = (RED[i] / 10) * 10 + 9 - RED[i] % 10;
        }
    }

    bool hidden() const { return version >= 0x0B; }
    static std::uint8_t square(std::uint8_t b) { return static_cast<std::uint8_t>(54 * b * b + 221); }
    std::uint8_t kxy() const { return hidden() ? static_cast<std::uint8_t>(square(keyBytes[6]) * keyBytes[6]) : 0; }
    std::uint8_t kxyf() const { return hidden() ? static_cast<std::uint8_t>(square(keyBytes[7]) * kxy()) : 0; }
    std::uint8_t kxyt() const { return hidden() ? static_cast<std::uint8_t>(square(keyBytes[8]) * kxyf()) : 0; }
    std::uint32_t krmk() const { return hidden() ? (keyBytes[5] * 256u + keyBytes[6]) % 32000 + 767 : 0; }

    std::array<std::uint8_t, 32> streamKey() const {
        std::array<std::uint8_t, 32> f{};
        if (!hidden()) return f;
        const char* text = "[(C) Copyright Mr. Dong Shiwei.]";
        for (int i = 0; i < 32; ++i) {
            const std::uint8_t b = static_cast<std::uint8_t>((keyBytes[5 + i % 4] & keyBytes[0]) | keyBytes[1 + i % 4]);
            f[i] = static_cast<std::uint8_t>(text[i] & b);
        }
        return f;
    }

    static void putText(std::vector<std::uint8_t>& h, std::size_t offset, const std::string& text) {
        h[offset] = static_cast<std::uint8_t>(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) h[offset + 1 + i] = static_cast<std::uint8_t>(text[i]);
    }
    static void putWord(std::vector<std::uint8_t>& s, std::uint32_t w) {
        for (int i = 0; i < 4; ++i) s.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    }

    void putRecord(std::vector<std::uint8_t>& s, int from, int to, bool next, bool variation,
                   const std::string& comment, int filler) const {
        if (!hidden()) {
            s.push_back(static_cast<std::uint8_t>(from + 0x18));
            s.push_back(static_cast<std::uint8_t>(to + 0x20));
            s.push_back(static_cast<std::uint8_t>((next ? 0xF0 : 0) | (variation ? 0x0F : 0)));
            s.push_back(0);
            putWord(s, static_cast<std::uint32_t>(comment.size()));
        } else {
            s.push_back(static_cast<std::uint8_t>(from + 0x18 + kxyf()));
            s.push_back(static_cast<std::uint8_t>(to + 0x20 + kxyt()));
            s.push_back(static_cast<std::uint8_t>((next ? 0x80 : 0) | (variation ? 0x40 : 0) |
                                                  (comment.empty() ? 0 : 0x20) | (filler & 0x1F)));
            s.push_back(static_cast<std::uint8_t>(filler * 7));
            if (!comment.empty()) putWord(s, static_cast<std::uint32_t>(comment.size()) + krmk());
        }
        s.insert(s.end(), comment.begin(), comment.end());
    }

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> h(0x400, 0);
        h[0] = 'X';
        h[1] = 'Q';
        h[2] = static_cast<std::uint8_t>(version);
        if (hidden()) {
            h[3] = keyBytes[0];
            for (int i = 0; i < 8; ++i) h[8 + i] = keyBytes[1 + i];
        }
        for (int i = 0; i < 32; ++i) {
            const int slot = version > 0x0B ? (kxy() + i + 1) % 32 : i;
            const int code = slots[slot];
            h[0x10 + i] = static_cast<std::uint8_t>(code + kxy());
        }
        h[0x32] = static_cast<std::uint8_t>(sideByte);
        h[0x33] = static_cast<std::uint8_t>(result);
        putText(h, 0x50, title);
        putText(h, 0xD0, event);
        putText(h, 0x110, date);
        putText(h, 0x120, site);
        putText(h, 0x130, red);
        putText(h, 0x140, black);
        putText(h, 0x1D0, commentator);
        std::vector<std::uint8_t> s;
        putRecord(s, hidden() ? 'X' - 0x18 - kxyf() : 0, hidden() ? 'Q' - 0x20 - kxyt() : 0, startHasNext, false,
                  openingComment, 3);
        int filler = 5;
        for (const XqfBuildRecord& r : records) putRecord(s, r.from, r.to, r.next, r.variation, r.comment, filler++);
        const std::array<std::uint8_t, 32> f = streamKey();
        for (std::size_t i = 0; i < s.size(); ++i) h.push_back(static_cast<std::uint8_t>(s[i] + f[i % 32]));
        return h;
    }
};
