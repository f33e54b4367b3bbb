// Which squares hold a piece, one bit per square, by rank and by file of
// the 16x16 board. Sliders and the check test find the first and second
// piece along a line with one bit scan instead of stepping over empty
// cells. Two bits beyond each end of every line are always set (they are
// border cells, BORDER on the board), so a scan always finds two squares
// and a scan that runs off the board lands on a border cell, which no
// piece test accepts.
#pragma once

#include <cstdint>

#include "engine/pieces.h"

struct Occupancy {
    // rows[square >> 4], bit (square & 15); cols[square & 15], bit (square >> 4).
    std::uint16_t rows[16];
    std::uint16_t cols[16];

    static constexpr std::uint16_t ROW_ENDS = 1u << 1 | 1u << 2 | 1u << 12 | 1u << 13;
    static constexpr std::uint16_t COL_ENDS = 1u << 1 | 1u << 2 | 1u << 13 | 1u << 14;

    void rebuild(const std::int8_t* board) {
        for (int i = 0; i < 16; ++i) {
            rows[i] = ROW_ENDS;
            cols[i] = COL_ENDS;
        }
        for (int sq = 51; sq <= 203; ++sq)
            if (board[sq] >= 0 && board[sq] < 32) set(sq);
    }
    void set(int sq) {
        rows[sq >> 4] = static_cast<std::uint16_t>(rows[sq >> 4] | 1u << (sq & 15));
        cols[sq & 15] = static_cast<std::uint16_t>(cols[sq & 15] | 1u << (sq >> 4));
    }
    void clear(int sq) {
        rows[sq >> 4] = static_cast<std::uint16_t>(rows[sq >> 4] & ~(1u << (sq & 15)));
        cols[sq & 15] = static_cast<std::uint16_t>(cols[sq & 15] & ~(1u << (sq >> 4)));
    }
    // A piece leaves from for to (which may hold a piece it captures).
    void move(int from, int to) {
        clear(from);
        set(to);
    }
    bool agreesWith(const std::int8_t* board) const {
        Occupancy fresh;
        fresh.rebuild(board);
        for (int i = 0; i < 16; ++i)
            if (fresh.rows[i] != rows[i] || fresh.cols[i] != cols[i]) return false;
        return true;
    }
};

// The occupied squares beyond a square in direction D (+1, -1, +16, -16),
// nearest first.
template <int D> class LineScan {
    static_assert(D == 1 || D == -1 || D == 16 || D == -16);
    static constexpr bool ALONG_RANK = D == 1 || D == -1;

public:
    LineScan(const Occupancy& o, int sq) : base_(ALONG_RANK ? (sq & 0xF0) : (sq & 0x0F)) {
        const unsigned line = ALONG_RANK ? o.rows[sq >> 4] : o.cols[sq & 15];
        const int pos = ALONG_RANK ? (sq & 15) : (sq >> 4);
        bits_ = D > 0 ? line & (~1u << pos) : line & ((1u << pos) - 1);
    }
    // The next occupied square (a border cell past the last piece).
    int next() {
        int pos;
        if constexpr (D > 0) {
            pos = __builtin_ctz(bits_);
            bits_ &= bits_ - 1;
        } else {
            pos = 31 - __builtin_clz(bits_);
            bits_ ^= 1u << pos;
        }
        return ALONG_RANK ? base_ | pos : pos << 4 | base_;
    }

private:
    unsigned bits_;
    int base_;
};
