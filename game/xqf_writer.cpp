#include "game/xqf_writer.h"

#include <span>

#include "game/gbk.h"
#include "game/xqf_layout.h"

namespace {

using namespace xqf;

// A text cut to the room of its field, never inside a two-byte character.
void putText(std::vector<std::uint8_t>& h, HeaderText field, const std::string& gbk) {
    std::size_t length = 0;
    while (length < gbk.size()) {
        const std::size_t step = isGbkLeadByte(static_cast<unsigned char>(gbk[length])) ? 2 : 1;
        if (length + step > field.room || length + step > gbk.size()) break;
        length += step;
    }
    h[field.offset] = static_cast<std::uint8_t>(length);
    for (std::size_t i = 0; i < length; ++i) h[field.offset + 1 + i] = static_cast<std::uint8_t>(gbk[i]);
}

std::uint8_t resultByte(const std::string& text) {
    if (text == GBK_RED_WINS) return 1;
    if (text == GBK_BLACK_WINS) return 2;
    if (text == GBK_DRAW) return 3;
    return 0;
}

bool putPieces(std::vector<std::uint8_t>& h, const Board90& board) {
    bool used[32] = {};
    for (int i = 0; i < 32; ++i) h[0x10 + i] = 0xFF;
    for (int file = 0; file < 9; ++file) {
        for (int rank = 0; rank < 10; ++rank) {
            const BoardPiece p = board[boardIndex(file, rank)];
            if (p == NO_PIECE) continue;
            int slot = 0;
            while (slot < 32 && (used[slot] || SLOT_PIECES[slot] != p)) ++slot;
            if (slot == 32) return false;
            used[slot] = true;
            h[0x10 + slot] = static_cast<std::uint8_t>(pointCode(file, rank));
        }
    }
    return true;
}

void putWord(std::vector<std::uint8_t>& s, std::uint32_t w) {
    for (int i = 0; i < 4; ++i) s.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
}

// One record of the plain stream: from and to codes, the two structure
// flags, and the comment with its length.
void putRecord(std::vector<std::uint8_t>& s, int from, int to, bool next, bool variation, std::uint8_t spare,
               const std::string& comment) {
    s.push_back(static_cast<std::uint8_t>(from + 0x18));
    s.push_back(static_cast<std::uint8_t>(to + 0x20));
    s.push_back(static_cast<std::uint8_t>((next ? 0xF0 : 0) | (variation ? 0x0F : 0)));
    s.push_back(spare);
    putWord(s, static_cast<std::uint32_t>(comment.size()));
    s.insert(s.end(), comment.begin(), comment.end());
}

// The record as a tree, the line of moves alone when it has none.
MoveTree treeOf(const GameDocument& doc) {
    if (!doc.tree.empty()) return doc.tree;
    MoveTree tree;
    int node = MoveTree::ROOT;
    for (const DocumentMove& m : doc.moves) {
        node = tree.appendChild(node, m.move);
        if (node == MoveTree::NONE) break;
        tree.setComment(node, m.comment);
    }
    return tree;
}

}  // namespace

bool encodeXqf(const GameDocument& doc, std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out(HEADER_SIZE, 0);
    out[0] = 'X';
    out[1] = 'Q';
    out[2] = XQF_WRITTEN_VERSION;
    if (!putPieces(out, doc.startBoard)) return false;
    out[0x32] = doc.startSide == SIDE_BLACK ? 1 : 0;
    out[0x33] = resultByte(doc.info.result);
    putText(out, DATE, doc.info.date);
    putText(out, SITE, doc.info.place);
    putText(out, RED, doc.info.redPlayer);
    putText(out, BLACK, doc.info.blackPlayer);
    const MoveTree tree = treeOf(doc);
    putRecord(out, 0, 0, !tree.empty(), false, 0xFF, doc.info.notes);
    // File order is the tree's own: a move, its subtree, then its next sibling.
    tree.walk(
        [&](int n) {
            const GridPoint from = moveFrom(tree.move(n)), to = moveTo(tree.move(n));
            putRecord(out, pointCode(from.file, from.rank), pointCode(to.file, to.rank),
                      tree.firstChild(n) != MoveTree::NONE, tree.nextSibling(n) != MoveTree::NONE, 0, tree.comment(n));
            return true;
        },
        [](int) {});
    bytes = std::move(out);
    return true;
}

bool writeXqf(const std::string& path, const GameDocument& doc, const WriteFunction& write) {
    std::vector<std::uint8_t> bytes;
    if (!encodeXqf(doc, bytes)) return false;
    return replaceFile(path, std::span<const std::uint8_t>(bytes), write);
}
