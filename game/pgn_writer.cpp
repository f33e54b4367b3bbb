#include "game/pgn_writer.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/board_move.h"
#include "engine/fen.h"
#include "game/gbk.h"
#include "game/pgn_clock.h"
#include "game/notation.h"
#include "game/pgn_date.h"
#include "game/record_import.h"
#include "game/rules.h"
#include "game/text_move_judge.h"

namespace {

struct ResultTag {
    const char* text;
    const char* tag;
};

constexpr ResultTag RESULT_TAGS[] = {
    {GBK_RED_WINS, "1-0"}, {GBK_BLACK_WINS, "0-1"}, {GBK_DRAW, "1/2-1/2"},
};

const char* resultTag(const std::string& text) {
    for (const ResultTag& r : RESULT_TAGS)
        if (text == r.text) return r.tag;
    return "*";
}

// A tag value: one line, quotes and backslashes escaped.
std::string tagValue(const std::string& gbk) {
    std::string out;
    for (char c : gbkToUtf8Lossy(gbk)) {
        if (c == '\r' || c == '\n') c = ' ';
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

void writeTag(std::string& out, const char* name, const std::string& utf8Value) {
    out += '[';
    out += name;
    out += " \"";
    out += utf8Value;
    out += "\"]\n";
}

// A comment in braces; a closing brace inside it is written full-width.
void writeComment(std::string& out, const std::string& gbk) {
    if (gbk.empty()) return;
    std::string text = gbkToUtf8Lossy(gbk);
    for (std::size_t at = text.find('}'); at != std::string::npos; at = text.find('}', at)) text.replace(at, 1, "\xEF\xBD\x9D");
    out += '{';
    out += text;
    out += '}';
}

// The move's text as formatMove writes it, unless that names another piece
// (the middle one of three on a file, one of two pawns where two files hold
// two each): then by its place on the file, 中兵 or 一兵..五兵, or 前三 / 后七,
// so that the game reads back.
std::string unambiguousMoveText(const Board90& board, PackedMove m) {
    const std::string text = formatMove(board, m);
    const GridPoint from = moveFrom(m);
    const BoardPiece p = board[boardIndex(from.file, from.rank)];
    const Side side = p < 7 ? SIDE_RED : SIDE_BLACK;
    if (text.size() != MOVE_TEXT_BYTES || judgeTextMove(board, side, text) == m) return text;
    int ranks[10];
    const int n = likePiecesFromFront(board, p, from.file, ranks);
    int place = 0;
    while (place < n && ranks[place] != from.rank) ++place;
    const std::string tail = text.substr(4);
    const char* const* numerals = side == SIDE_RED ? RED_NUMERALS : BLACK_NUMERALS;
    const std::string name = PIECE_NAMES[p];
    std::vector<std::string> tries;
    if (n == 3 && place == 1) tries.push_back(GBK_MIDDLE + name + tail);
    if (n >= 3 && place < 5) tries.push_back(numerals[place] + name + tail);
    if (n == 2 && p % 7 == 6) {
        const int file = side == SIDE_RED ? from.file : 8 - from.file;
        tries.push_back((place == 0 ? GBK_FRONT : GBK_BACK) + std::string(numerals[file]) + tail);
    }
    for (const std::string& t : tries)
        if (judgeTextMove(board, side, t) == m) return t;
    return text;
}

// A move's comment with its mover's clock before it, when one is known.
std::string withClock(const std::string& comment, std::int64_t clockMs) {
    if (clockMs < 0) return comment;
    return comment.empty() ? clockCommand(clockMs) : clockCommand(clockMs) + ' ' + comment;
}

bool startsFromStandardPosition(const GameDocument& doc) {
    return doc.startBoard == INITIAL_BOARD && doc.startSide == SIDE_RED;
}

void writeMoves(std::string& out, const GameDocument& doc, bool coordinates = false) {
    Board90 board = doc.startBoard;
    for (std::size_t i = 0; i < doc.moves.size(); ++i) {
        const DocumentMove& m = doc.moves[i];
        // Full moves are numbered from the first; a game Black starts opens with "1. ...".
        const std::size_t ply = i + (doc.startSide == SIDE_RED ? 0 : 1);
        if (ply % 2 == 0 || i == 0) {
            if (i > 0) out += '\n';
            out += std::to_string(ply / 2 + 1) + ".";
            if (ply % 2 == 1) out += " ...";
        }
        out += ' ';
        out += coordinates ? writeCoordinateMove(m.move) : gbkToUtf8Lossy(unambiguousMoveText(board, m.move));
        const std::string comment = withClock(m.comment, m.clockMs);
        if (!comment.empty()) out += ' ';
        writeComment(out, comment);
        playOnBoard(board, m.move);
    }
    if (!doc.moves.empty()) out += '\n';
}

// The text of every move of the tree, each judged in the position its line reaches.
std::vector<std::string> treeMoveTexts(const GameDocument& doc) {
    const MoveTree& tree = doc.tree;
    std::vector<std::string> texts;
    Board90 board = doc.startBoard;
    struct Undo {
        int node, from, to;
        BoardPiece captured;
    };
    std::vector<Undo> undo;
    tree.walk(
        [&](int n) {
            const PackedMove m = tree.move(n);
            if (static_cast<std::size_t>(n) >= texts.size()) texts.resize(static_cast<std::size_t>(n) + 1);
            texts[static_cast<std::size_t>(n)] = gbkToUtf8Lossy(unambiguousMoveText(board, m));
            if (!cellsOnBoard(m)) return false;
            const GridPoint from = moveFrom(m), to = moveTo(m);
            undo.push_back({n, boardIndex(from.file, from.rank), boardIndex(to.file, to.rank), playOnBoard(board, m)});
            return true;
        },
        [&](int n) {
            if (undo.empty() || undo.back().node != n) return;
            board[undo.back().from] = board[undo.back().to];
            board[undo.back().to] = undo.back().captured;
            undo.pop_back();
        });
    return texts;
}

// The tree in file order: each move, then the variations that replace it in
// parentheses, then its continuation; moves numbered as PGN writers do
// (before Red's move, and before Black's where a line or a variation
// resumes).
void writeTree(std::string& out, const GameDocument& doc) {
    const MoveTree& tree = doc.tree;
    const std::vector<std::string> texts = treeMoveTexts(doc);
    struct Line {
        int next;     // the line's next move to write
        int sibling;  // the next variation of the move last written
        bool head;    // next is a variation's first move: its siblings belong to the line above
    };
    std::vector<Line> lines{{tree.firstChild(MoveTree::ROOT), MoveTree::NONE, false}};
    bool numberDue = true;
    while (!lines.empty()) {
        Line& line = lines.back();
        if (line.sibling != MoveTree::NONE) {
            const int s = line.sibling;
            line.sibling = tree.nextSibling(s);
            out += " (";
            lines.push_back({s, MoveTree::NONE, true});
            numberDue = true;
            continue;
        }
        if (line.next == MoveTree::NONE) {
            lines.pop_back();
            if (!lines.empty()) out += ')';
            numberDue = true;
            continue;
        }
        const int n = line.next;
        const int ply = tree.depth(n) - 1 + (doc.startSide == SIDE_RED ? 0 : 1);
        if (ply % 2 == 0 || numberDue) {
            if (lines.size() == 1 && ply % 2 == 0 && tree.depth(n) > 1) out += '\n';
            else if (tree.depth(n) > 1 && out.back() != '(') out += ' ';
            out += std::to_string(ply / 2 + 1) + ".";
            if (ply % 2 == 1) out += " ...";
        }
        numberDue = false;
        if (out.back() != '(') out += ' ';
        out += texts[static_cast<std::size_t>(n)];
        if (!tree.comment(n).empty()) {
            out += ' ';
            writeComment(out, tree.comment(n));
        }
        line.sibling = line.head ? MoveTree::NONE : tree.nextSibling(n);
        line.head = false;
        line.next = tree.firstChild(n);
    }
    out += '\n';
}

}  // namespace

std::string encodePgn(const GameDocument& doc) {
    std::string out;
    writeTag(out, "Game", "Chinese Chess");
    writeTag(out, "Event", "");
    writeTag(out, "Site", tagValue(doc.info.place));
    // A date PGN cannot write as one is kept in the opening comment.
    const std::optional<std::string> date = pgnDate(doc.info.date);
    writeTag(out, "Date", date ? *date : PGN_UNKNOWN_DATE);
    writeTag(out, "Red", tagValue(doc.info.redPlayer));
    writeTag(out, "Black", tagValue(doc.info.blackPlayer));
    const char* result = resultTag(doc.info.result);
    writeTag(out, "Result", result);
    if (!startsFromStandardPosition(doc)) writeTag(out, "FEN", writeFen(doc.startBoard, doc.startSide));
    if (!doc.timeControl.empty()) writeTag(out, "TimeControl", doc.timeControl);
    out += '\n';
    std::string opening = doc.info.notes;
    if (!date) appendLine(opening, GBK_DATE_LABEL + doc.info.date);
    if (!opening.empty()) {
        writeComment(out, opening);
        out += '\n';
    }
    if (!doc.tree.empty()) writeTree(out, doc);
    else writeMoves(out, doc);
    out += result;
    out += "\n\n";
    return out;
}

std::string encodePgnTagged(const std::vector<std::pair<std::string, std::string>>& tags, const GameDocument& doc,
                            const std::string& openingComment, bool coordinates) {
    std::string out, result = "*";
    for (const auto& [name, value] : tags) {
        if (name == "FEN") continue;
        if (name == "Result") result = value;
        writeTag(out, name.c_str(), tagValue(value));
    }
    if (!startsFromStandardPosition(doc)) writeTag(out, "FEN", writeFen(doc.startBoard, doc.startSide));
    out += '\n';
    if (!openingComment.empty()) {
        writeComment(out, openingComment);
        out += '\n';
    }
    writeMoves(out, doc, coordinates);
    out += tagValue(result);
    out += "\n\n";
    return out;
}

bool writePgn(const std::string& path, const GameDocument& doc, const WriteFunction& write) {
    const std::string text = encodePgn(doc);
    return replaceFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), write);
}
