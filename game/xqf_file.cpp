#include "game/xqf_file.h"
#include "game/xqf_layout.h"

#include <array>
#include <cstring>

#include "game/file_access.h"
#include "game/gbk.h"
#include "game/record_import.h"
#include "game/refused_move_text.h"
#include "game/rules.h"
#include "game/tree_judge.h"

namespace {

using namespace xqf;

// Opening libraries run to a few megabytes; a file past this is not a record.
constexpr std::size_t XQF_FILE_LIMIT = 16u << 20;
// The keys that hide the position and the move stream (all zero before 0x0B).
struct XqfKeys {
    std::uint8_t position = 0, from = 0, to = 0;
    long commentLength = 0;
    std::array<std::uint8_t, 32> stream{};
};

std::uint8_t square(std::uint8_t b) { return static_cast<std::uint8_t>(54 * b * b + 221); }

XqfKeys keysOf(std::span<const std::uint8_t> h, int version) {
    XqfKeys k;
    if (version < FIRST_HIDDEN_VERSION) return k;
    k.position = static_cast<std::uint8_t>(square(h[0x0D]) * h[0x0D]);
    k.from = static_cast<std::uint8_t>(square(h[0x0E]) * k.position);
    k.to = static_cast<std::uint8_t>(square(h[0x0F]) * k.from);
    k.commentLength = (h[0x0C] * 256L + h[0x0D]) % 32000 + 767;
    const std::uint8_t mask = h[0x03];
    const std::uint8_t b[4] = {
        static_cast<std::uint8_t>((h[0x0C] & mask) | h[0x08]), static_cast<std::uint8_t>((h[0x0D] & mask) | h[0x09]),
        static_cast<std::uint8_t>((h[0x0E] & mask) | h[0x0A]), static_cast<std::uint8_t>((h[0x0F] & mask) | h[0x0B]),
    };
    for (int i = 0; i < 32; ++i) k.stream[i] = static_cast<std::uint8_t>(STREAM_KEY_TEXT[i] & b[i % 4]);
    return k;
}

std::string headerText(std::span<const std::uint8_t> h, HeaderText t) {
    const std::size_t length = std::min<std::size_t>(h[t.offset], t.room);
    return std::string(reinterpret_cast<const char*>(h.data() + t.offset + 1), length);
}

// The start position; false when two pieces share a point.
bool readPosition(std::span<const std::uint8_t> h, int version, const XqfKeys& keys, Board90& board) {
    std::uint8_t codes[32];
    for (int i = 0; i < 32; ++i) {
        const int slot = version > FIRST_HIDDEN_VERSION ? (keys.position + i + 1) % 32 : i;
        codes[slot] = static_cast<std::uint8_t>(h[0x10 + i] - keys.position);
    }
    board.fill(NO_PIECE);
    for (int slot = 0; slot < 32; ++slot) {
        if (codes[slot] >= NOWHERE) continue;
        // Position codes count files from Red's left; the board from Red's right.
        const int cell = boardIndex(8 - codes[slot] / 10, codes[slot] % 10);
        if (board[cell] != NO_PIECE) return false;
        board[cell] = SLOT_PIECES[slot];
    }
    return true;
}

// One record of the move stream.
struct XqfRecord {
    std::uint8_t from = 0, to = 0;  // position codes
    bool hasNext = false, hasVariation = false;
    std::string comment;  // GBK
};

// Reads records off the stream, undoing its key.
class XqfStream {
public:
    XqfStream(std::span<const std::uint8_t> file, int version, const XqfKeys& keys)
        : file(file), hidden(version >= FIRST_HIDDEN_VERSION), keys(keys) {}

    // False when the file ends inside the record or its comment runs past the end.
    bool read(XqfRecord& r) {
        std::uint8_t b[4];
        if (!take(b, 4)) return false;
        r.from = static_cast<std::uint8_t>(b[0] - 0x18 - keys.from);
        r.to = static_cast<std::uint8_t>(b[1] - 0x20 - keys.to);
        long length = 0;
        if (hidden) {
            const std::uint8_t flags = b[2] & 0xE0;
            r.hasNext = (flags & 0x80) != 0;
            r.hasVariation = (flags & 0x40) != 0;
            if (flags & 0x20) {
                std::uint32_t w = 0;
                if (!takeWord(w)) return false;
                length = static_cast<long>(w) - keys.commentLength;
            }
        } else {
            r.hasNext = (b[2] & 0xF0) != 0;
            r.hasVariation = (b[2] & 0x0F) != 0;
            std::uint32_t w = 0;
            if (!takeWord(w)) return false;
            if (w > file.size()) return false;
            length = static_cast<long>(w);
        }
        if (length < 0 || static_cast<std::size_t>(length) > file.size() - at) return false;
        r.comment.resize(static_cast<std::size_t>(length));
        return take(reinterpret_cast<std::uint8_t*>(r.comment.data()), r.comment.size());
    }

private:
    bool take(std::uint8_t* out, std::size_t n) {
        if (n > file.size() - at) return false;
        for (std::size_t i = 0; i < n; ++i, ++at) out[i] = static_cast<std::uint8_t>(file[at] - (hidden ? keys.stream[at % 32] : 0));
        return true;
    }
    bool takeWord(std::uint32_t& w) {
        std::uint8_t b[4];
        if (!take(b, 4)) return false;
        w = b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        return true;
    }

    std::span<const std::uint8_t> file;
    std::size_t at = HEADER_SIZE;
    bool hidden;
    const XqfKeys& keys;
};

// The tree as the file holds it: each node's move is its two position
// codes (from | to << 8), not yet judged.
struct XqfTree {
    MoveTree raw;
    std::string openingComment;  // on the start position
    int comments = 0;
    bool tooLarge = false;
};

PackedMove rawCodes(const XqfRecord& r) { return r.from | static_cast<PackedMove>(r.to) << 8; }
std::uint8_t rawFrom(PackedMove raw) { return static_cast<std::uint8_t>(raw & 0xFF); }
std::uint8_t rawTo(PackedMove raw) { return static_cast<std::uint8_t>(raw >> 8); }

// Walks the first-child / next-sibling tree in file order without recursion:
// each variation flag promises one more child of the same parent once the
// subtree below is read. False when the stream ends before the tree does,
// or the tree is larger than the program holds (tooLarge).
bool readTree(XqfStream& stream, XqfTree& tree) {
    XqfRecord r;
    if (!stream.read(r)) return false;
    tree.comments += !r.comment.empty();
    tree.openingComment = std::move(r.comment);
    std::vector<int> pending;  // parents still owed a sibling
    int parent = r.hasNext ? MoveTree::ROOT : MoveTree::NONE;
    while (parent != MoveTree::NONE) {
        if (!stream.read(r)) return false;
        const int node = tree.raw.appendChild(parent, rawCodes(r));
        if (node == MoveTree::NONE) {
            tree.tooLarge = true;
            return false;
        }
        tree.comments += !r.comment.empty();
        tree.raw.setComment(node, std::move(r.comment));
        if (r.hasVariation) pending.push_back(parent);
        if (r.hasNext) {
            parent = node;
        } else if (pending.empty()) {
            parent = MoveTree::NONE;
        } else {
            parent = pending.back();
            pending.pop_back();
        }
    }
    return true;
}

const char* resultText(std::uint8_t code) {
    switch (code) {
    case 1: return GBK_RED_WINS;
    case 2: return GBK_BLACK_WINS;
    case 3:
    case 4: return GBK_DRAW;
    default: return "";
    }
}

GameInfo infoOf(std::span<const std::uint8_t> h, const std::string& openingComment, int cutBranches) {
    GameInfo info;
    info.redPlayer = headerText(h, RED);
    info.blackPlayer = headerText(h, BLACK);
    info.date = headerText(h, DATE);
    info.place = headerText(h, SITE);
    info.result = resultText(h[0x33]);
    appendLine(info.notes, headerText(h, TITLE));
    appendLine(info.notes, headerText(h, EVENT));
    const std::string commentator = headerText(h, COMMENTATOR);
    if (!commentator.empty()) appendLine(info.notes, GBK_XQF_COMMENTATOR + commentator);
    appendLine(info.notes, openingComment);
    if (cutBranches > 0) appendLine(info.notes, formatMessage(GBK_RECORD_CUT_BRANCHES, cutBranches));
    if (h[2] > LAST_KNOWN_VERSION) appendLine(info.notes, GBK_XQF_NEWER_VERSION);
    return info;
}

// Position codes count files from Red's left; the board from Red's right.
GridPoint pointOfCode(std::uint8_t c) {
    if (c >= NOWHERE) return NO_POINT;
    return {static_cast<std::int8_t>(8 - c / 10), static_cast<std::int8_t>(c % 10)};
}

PackedMove moveOfCodes(std::uint8_t from, std::uint8_t to) {
    if (from >= NOWHERE || to >= NOWHERE) return 0;
    return packMove(pointOfCode(from), pointOfCode(to));
}

// Judges every move of the tree from the start: a refused move off the main
// line cuts its branch; 2 with the message naming the ply and the move when
// one on the main line is refused.
int judgeXqfTree(const XqfTree& tree, GameDocument& doc, JudgedTree& judged, std::string& message) {
    judged = judgeTree(tree.raw, doc.startBoard, doc.startSide, [&](const Board90& board, Side side, int node) {
        const PackedMove m = moveOfCodes(rawFrom(tree.raw.move(node)), rawTo(tree.raw.move(node)));
        return m != 0 && isLegalMove(board, side, m) ? m : 0;
    });
    if (judged.refusedPly > 0) {
        const PackedMove raw = tree.raw.move(judged.refusedNode);
        message = formatMessage(GBK_RECORD_BAD_MOVE, judged.refusedPly,
                                refusedMoveText(judged.refusedBoard, judged.refusedSide, pointOfCode(rawFrom(raw)),
                                                pointOfCode(rawTo(raw))));
        return 2;
    }
    for (int node : judged.tree.mainLine()) doc.moves.push_back({judged.tree.move(node), judged.tree.comment(node)});
    doc.currentPly = static_cast<std::int16_t>(std::min<std::size_t>(doc.moves.size(), INT16_MAX));
    return 0;
}

// Who moves first: the colour of the first move's piece, else the header's byte.
Side firstMover(std::span<const std::uint8_t> h, const XqfTree& tree, const Board90& board) {
    const int first = tree.raw.firstChild(MoveTree::ROOT);
    if (first != MoveTree::NONE && rawFrom(tree.raw.move(first)) < NOWHERE) {
        const std::uint8_t c = rawFrom(tree.raw.move(first));
        const BoardPiece p = board[boardIndex(8 - c / 10, c % 10)];
        if (p != NO_PIECE) return p < 7 ? SIDE_RED : SIDE_BLACK;
    }
    return h[0x32] == 1 ? SIDE_BLACK : SIDE_RED;
}

}  // namespace

int decodeXqf(std::span<const std::uint8_t> file, GameDocument& doc, std::string& message, XqfSummary* summary) {
    if (file.size() < HEADER_SIZE || file[0] != 'X' || file[1] != 'Q') {
        message = GBK_XQF_NOT_XQF;
        return 2;
    }
    const int version = std::min<int>(file[2], LAST_KNOWN_VERSION);  // a newer one is read as the last known
    const XqfKeys keys = keysOf(file, version);
    GameDocument read;
    if (!readPosition(file, version, keys, read.startBoard)) {
        message = GBK_RECORD_BAD_START;
        return 2;
    }
    XqfStream stream(file, version, keys);
    XqfTree tree;
    if (!readTree(stream, tree)) {
        message = tree.tooLarge ? GBK_RECORD_TOO_LARGE : GBK_RECORD_DAMAGED;
        return 2;
    }
    read.startSide = firstMover(file, tree, read.startBoard);
    if (!isSoundPieceSet(read.startBoard)) {
        message = GBK_RECORD_BAD_START;
        return 2;
    }
    JudgedTree judged;
    if (judgeXqfTree(tree, read, judged, message) != 0) return 2;
    read.info = infoOf(file, tree.openingComment, judged.cutBranches);
    read.tree = std::move(judged.tree);
    if (finishImport(read, message) != 0) return 2;
    if (summary) {
        *summary = {file[2], read.tree.variationCount(), tree.raw.moveCount(), tree.comments};
        summary->keptMoves = read.tree.moveCount();
        summary->cutBranches = judged.cutBranches;
    }
    doc = std::move(read);
    return 0;
}

int importXqf(const std::string& path, GameDocument& doc, std::string& message, XqfSummary* summary) {
    std::vector<std::uint8_t> bytes;
    if (const ReadFileResult r = readWholeFile(path, XQF_FILE_LIMIT, bytes); r != READ_FILE_OK) {
        message = r == READ_FILE_BAD ? GBK_RECORD_DAMAGED : "";
        return r;
    }
    return decodeXqf(bytes, doc, message, summary);
}
