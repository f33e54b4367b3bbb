#include "game/pgn_reader.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <zlib.h>

#include "engine/fen.h"
#include "game/gbk.h"
#include "game/record_import.h"
#include "game/rules.h"
#include "game/system_reason.h"

namespace {

// ---- move text normalisation (GBK) ----

struct CharMapping {
    const char* from;
    const char* to;
};

// Traditional forms and the red/black variants some sets use, to the
// simplified GBK forms of the notation.
constexpr CharMapping TRADITIONAL_FORMS[] = {
    {"\xDC\x87", GBK_ROOK},      // 車 -> 车
    {"\x82\x65", GBK_ROOK},      // 俥 -> 车
    {"\xF1\x52", GBK_HORSE},     // 馬 -> 马
    {"\x82\xD8", GBK_HORSE},     // 傌 -> 马
    {"\xB3\x68", GBK_CANNON},    // 砲 -> 炮
    {"\x8C\xA2", GBK_BLACK_KING},  // 將 -> 将
    {"\x8E\x9B", GBK_RED_KING},    // 帥 -> 帅
    {"\xDF\x4D", GBK_FORWARD},   // 進 -> 进
    {"\xE1\xE1", GBK_BACK},      // 後 -> 后
};

// The names that differ between the sides: Red's form, Black's form.
constexpr CharMapping SIDE_NAMES[] = {
    {GBK_RED_KING, GBK_BLACK_KING},
    {GBK_RED_ADVISOR, GBK_BLACK_ADVISOR},
    {GBK_RED_ELEPHANT, GBK_BLACK_ELEPHANT},
    {GBK_RED_PAWN, GBK_BLACK_PAWN},
};

bool sameChar(const char* a, const char* b) { return a[0] == b[0] && a[1] == b[1]; }

void mapChar(std::string& text, std::size_t at, const char* to) {
    text[at] = to[0];
    text[at + 1] = to[1];
}

// Byte offsets of the characters of a GBK text (ASCII is one byte).
std::vector<std::size_t> charOffsets(std::string_view text) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < text.size();) {
        offsets.push_back(i);
        i += isGbkLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return offsets;
}

// Which side a numeral belongs to: 1 Red, 0 Black, -1 not a numeral.
int numeralSide(const char* c) {
    for (int i = 0; i < 9; ++i) {
        if (sameChar(c, RED_NUMERALS[i])) return 1;
        if (sameChar(c, BLACK_NUMERALS[i])) return 0;
    }
    return -1;
}

std::string widenDigits(std::string_view gbk, Side sideToMove) {
    std::string out;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const char c = gbk[i];
        if (isGbkLeadByte(static_cast<unsigned char>(c)) && i + 1 < gbk.size()) {
            out += c;
            out += gbk[++i];
        } else if (c >= '1' && c <= '9') {
            out += (sideToMove == SIDE_RED ? RED_NUMERALS : BLACK_NUMERALS)[c - '1'];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string normalizeMoveText(std::string_view gbk, Side sideToMove) {
    std::string text = widenDigits(gbk, sideToMove);
    const std::vector<std::size_t> at = charOffsets(text);
    auto isWide = [&](std::size_t k) { return k < at.size() && at[k] + 1 < text.size() &&
                                              isGbkLeadByte(static_cast<unsigned char>(text[at[k]])); };
    for (std::size_t k = 0; k < at.size(); ++k) {
        if (!isWide(k)) continue;
        for (const CharMapping& m : TRADITIONAL_FORMS)
            if (sameChar(text.data() + at[k], m.from)) mapChar(text, at[k], m.to);
    }
    if (at.size() < 4 || !isWide(0) || !isWide(1) || !isWide(3)) return text;
    const int textSide = numeralSide(text.data() + at[3]);
    const bool red = textSide < 0 ? sideToMove == SIDE_RED : textSide == 1;
    const bool frontOrBack = sameChar(text.data(), GBK_FRONT) || sameChar(text.data(), GBK_BACK);
    const std::size_t name = at[frontOrBack ? 1 : 0];
    for (const CharMapping& m : SIDE_NAMES) {
        const char* wrong = red ? m.to : m.from;
        if (sameChar(text.data() + name, wrong)) mapChar(text, name, red ? m.from : m.to);
    }
    return text;
}

std::string PgnGame::tag(std::string_view name) const {
    for (const auto& [key, value] : tags)
        if (key == name) return value;
    return {};
}

// ---- the file ----

namespace {
constexpr std::size_t MAX_LINE = 1 << 20;  // longer lines are cut there
}  // namespace

struct PgnReader::Source {
    enum Encoding { UNKNOWN, UTF8, GBK };
    gzFile file = nullptr;
    std::vector<char> buffer = std::vector<char>(1 << 16);
    std::size_t position = 0, length = 0;
    bool atEnd = false;
    bool startOfFile = true;
    Encoding encoding = UNKNOWN;
    TextConverter toGbk{TextConverter::UTF8_TO_GBK};
    std::string heldLine;  // a line read ahead: the first tag of the next game
    bool holding = false;

    std::string memory;  // the text when there is no file
    std::string_view text;  // memory, or a text the caller keeps while reading
    bool fromMemory = false;

    ~Source() {
        if (file) gzclose(file);
    }

    // The next chunk of the text: up to the buffer's size; 0 at the end, -1 on a read error.
    int readChunk() {
        if (!fromMemory) return gzread(file, buffer.data(), static_cast<unsigned>(buffer.size()));
        const std::size_t n = std::min(buffer.size(), text.size() - memoryPosition);
        std::memcpy(buffer.data(), text.data() + memoryPosition, n);
        memoryPosition += n;
        return static_cast<int>(n);
    }
    std::size_t memoryPosition = 0;

    // Decides the text's encoding from the first bytes that are not ASCII.
    void sniff(std::string_view chunk) {
        bool ascii = true;
        for (char c : chunk) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        if (!ascii) encoding = isValidUtf8(chunk, true) ? UTF8 : GBK;
    }

    std::string gbkOf(std::string_view raw) {
        return encoding == UTF8 ? toGbk.convertLossy(raw) : std::string(raw);
    }
};

PgnReader::PgnReader() = default;
PgnReader::~PgnReader() = default;

long long PgnReader::fileOffset() const {
    if (!source) return 0;
    if (source->fromMemory) return static_cast<long long>(source->memoryPosition);
    return source->file ? static_cast<long long>(gzoffset(source->file)) : 0;
}

bool PgnReader::isUtf8() const { return source && source->encoding == Source::UTF8; }

bool PgnReader::open(const std::string& path) {
    source = std::make_unique<Source>();
    failure.clear();
    gamesRead = 0;
    // gzopen reads files that are not compressed as they are.
    source->file = gzopen(path.c_str(), "rb");
    if (!source->file) {
        failure = formatMessage(GBK_CANNOT_OPEN_BECAUSE, 0, systemReason(errno, FileUse::Reading));
        source.reset();
        return false;
    }
    return true;
}

void PgnReader::openText(std::string text) {
    source = std::make_unique<Source>();
    failure.clear();
    gamesRead = 0;
    source->memory = std::move(text);
    source->text = source->memory;
    source->fromMemory = true;
}

void PgnReader::openView(std::string_view text) {
    source = std::make_unique<Source>();
    failure.clear();
    gamesRead = 0;
    source->text = text;
    source->fromMemory = true;
}

bool PgnReader::readLine(std::string& line) {
    Source& s = *source;
    if (s.holding) {
        line = std::move(s.heldLine);
        s.holding = false;
        return true;
    }
    line.clear();
    bool any = false;
    for (;;) {
        if (s.position == s.length) {
            if (s.atEnd) break;
            const int n = s.readChunk();
            if (n < 0) {
                failure = GBK_READ_FAILED;
                s.atEnd = true;
                return false;
            }
            if (n == 0) {
                s.atEnd = true;
                break;
            }
            s.position = 0;
            s.length = static_cast<std::size_t>(n);
            if (s.startOfFile && s.length >= 3 && std::memcmp(s.buffer.data(), "\xEF\xBB\xBF", 3) == 0) {
                s.position = 3;
                s.encoding = Source::UTF8;
            }
            s.startOfFile = false;
            if (s.encoding == Source::UNKNOWN)
                s.sniff(std::string_view(s.buffer.data() + s.position, s.length - s.position));
        }
        any = true;
        const char* begin = s.buffer.data() + s.position;
        const void* newline = std::memchr(begin, '\n', s.length - s.position);
        const std::size_t n = newline ? static_cast<const char*>(newline) - begin : s.length - s.position;
        // A file without line ends (not a collection at all) must not fill the memory.
        line.append(begin, std::min(n, MAX_LINE - std::min(MAX_LINE, line.size())));
        s.position += n;
        if (newline) {
            ++s.position;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

namespace {

// Stray zero bytes count as space, so that a damaged line cannot stall the scan.
bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0'; }
bool isDelimiter(char c) { return c == '{' || c == '}' || c == ';' || c == '(' || c == ')'; }

bool isResult(std::string_view t) {
    return t == "1-0" || t == "0-1" || t == "1/2-1/2" || t == "*" || t == "\xC2\xBD-\xC2\xBD";
}

// Strips a leading move number ("12." or "12...") and trailing marks ("!?+#").
std::string_view stripDecorations(std::string_view t) {
    std::size_t digits = 0;
    while (digits < t.size() && t[digits] >= '0' && t[digits] <= '9') ++digits;
    std::size_t dots = digits;
    while (dots < t.size() && t[dots] == '.') ++dots;
    if (dots > digits || digits == t.size()) t.remove_prefix(dots);
    while (!t.empty() && (t.back() == '!' || t.back() == '?' || t.back() == '+' || t.back() == '#'))
        t.remove_suffix(1);
    return t;
}

// Reads [Name "value"]; false when the line is not a tag.
bool readTag(std::string_view line, bool gbk, std::string& name, std::string& value) {
    std::size_t i = line.find('[');
    if (i == std::string_view::npos) return false;
    ++i;
    while (i < line.size() && isSpace(line[i])) ++i;
    const std::size_t nameStart = i;
    while (i < line.size() && !isSpace(line[i]) && line[i] != '"' && line[i] != ']') ++i;
    name.assign(line.substr(nameStart, i - nameStart));
    while (i < line.size() && line[i] != '"') ++i;
    if (name.empty() || i == line.size()) return false;
    value.clear();
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (gbk && isGbkLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size()) {
            value += line[i];
            value += line[++i];
            continue;
        }
        if (line[i] == '\\' && i + 1 < line.size()) ++i;
        value += line[i];
    }
    return true;
}

void setStartPosition(PgnGame& game) {
    const std::string fen = game.tag("FEN");
    if (fen.empty()) return;
    Board90 board;
    Side side;
    std::string error;
    if (!readFen(fen, board, side, error)) {
        game.error = GBK_PGN_BAD_FEN;
    } else if (!isSoundPieceSet(board)) {
        game.error = GBK_PGN_FEN_BAD_PIECES;
    } else {
        game.startBoard = board;
        game.startSide = side;
    }
}

// The state of the move text of one game while its lines are read.
struct MoveTextScan {
    bool keepText = true;  // false: comments are stepped over unread
    bool inComment = false;
    std::string comment;  // the open comment's text so far, as written
    int variationDepth = 0;
    bool ended = false;  // the result was read
};

// One thing found in the move text: a move, a comment closed on this line,
// or the start or end of a variation.
struct MoveTextItem {
    enum Kind { MOVE, COMMENT, OPEN, CLOSE } kind = MOVE;
    std::string_view move;  // a move as written
    std::string comment;    // a closed comment's whole text, as written
};

std::size_t charLength(std::string_view line, std::size_t i, bool gbk) {
    return gbk && isGbkLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
}

// Moves on with the text of an open comment; true once it is closed.
bool scanComment(std::string_view line, bool gbk, std::size_t& i, MoveTextScan& scan) {
    const std::size_t start = i;
    while (i < line.size() && line[i] != '}') i += charLength(line, i, gbk);
    const bool keep = scan.keepText && scan.comment.size() <= PGN_MAX_TREE_COMMENT_BYTES;
    if (keep) scan.comment.append(line.substr(start, std::min(i, line.size()) - start));
    if (i >= line.size()) {
        if (keep) scan.comment += "\r\n";
        return false;
    }
    ++i;
    scan.inComment = false;
    return true;
}

// Collects the moves, comments and variations of one line of move text,
// stepping over annotation glyphs and move numbers; stops at the result.
void scanMoveLine(std::string_view line, bool gbk, MoveTextScan& scan, std::vector<MoveTextItem>& items) {
    std::size_t i = 0;
    while (i < line.size() && !scan.ended) {
        const char c = line[i];
        if (scan.inComment) {
            if (scanComment(line, gbk, i, scan)) items.push_back({MoveTextItem::COMMENT, {}, std::move(scan.comment)});
            continue;
        }
        if (c == ';') return;  // a comment to the end of the line
        if (isSpace(c) || isDelimiter(c)) {
            if (c == '{') {
                scan.inComment = true;
                scan.comment.clear();
            }
            if (c == '(' && scan.variationDepth < INT_MAX) {
                ++scan.variationDepth;
                items.push_back({MoveTextItem::OPEN, {}, {}});
            }
            if (c == ')' && scan.variationDepth > 0) {
                --scan.variationDepth;
                items.push_back({MoveTextItem::CLOSE, {}, {}});
            }
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !isSpace(line[end]) && !isDelimiter(line[end])) end += charLength(line, end, gbk);
        end = std::min(end, line.size());
        const std::string_view token = line.substr(i, end - i);
        i = end;
        if (token.front() == '$') continue;
        if (isResult(token)) {
            // A result inside a variation ends that line only.
            if (scan.variationDepth == 0) scan.ended = true;
            if (scan.variationDepth == 0) return;
            continue;
        }
        const std::string_view move = stripDecorations(token);
        if (!move.empty()) items.push_back({MoveTextItem::MOVE, move, {}});
    }
}

// Trims the space and line ends around a comment; an empty one is none.
std::string trimmedComment(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Comments that follow one another join, one to a line.
void appendComment(std::string& to, const std::string& text) {
    if (text.empty()) return;
    if (!to.empty()) to += "\r\n";
    to += text;
}

}  // namespace

namespace {

constexpr std::string_view LISTED_TAGS[] = {"Event", "Red", "Black", "Date", "Result", "FEN"};

bool isListedTag(std::string_view name) {
    for (std::string_view t : LISTED_TAGS)
        if (t == name) return true;
    return false;
}

// Where the moves of one level of variations go: each is a child of the
// move before it; the last move is the one a variation opened next replaces.
struct VariationLevel {
    int parent = -1;  // in treeMoves; -1: the start
    int last = -1;
    std::string pendingComment;  // before the level's first move
};

// Builds a game's tree and its main line from the items of its move text.
class GameTreeBuilder {
public:
    explicit GameTreeBuilder(PgnGame& game) : game(game) { levels.emplace_back(); }

    void move(std::string_view written, std::string gbk) {
        if (skipped > 0) return;
        VariationLevel& level = levels.back();
        if (game.treeMoves.size() >= PGN_MAX_TREE_MOVES) return fail(GBK_PGN_TOO_MANY_MOVES);
        const int depth = level.parent < 0 ? 1 : game.treeMoves[static_cast<std::size_t>(level.parent)].depth + 1;
        if (levels.size() == 1 && game.moveTexts.size() >= PGN_MAX_MOVES) return fail(GBK_PGN_TOO_MANY_MOVES);
        if (depth > MOVE_TREE_MAX_DEPTH) return fail(GBK_PGN_LINE_TOO_LONG);
        const Side side = static_cast<Side>((game.startSide + depth - 1) & 1);
        PgnTreeMove m{level.parent, depth, std::string(written), std::move(gbk), {}, std::move(level.pendingComment)};
        m.text = normalizeMoveText(m.gbk, side);
        level.pendingComment.clear();
        if (levels.size() == 1) {
            if (game.moveTexts.size() >= PGN_MAX_MOVES) return fail(GBK_PGN_TOO_MANY_MOVES);
            game.writtenTexts.push_back(m.written);
            game.gbkTexts.push_back(m.gbk);
            game.moveTexts.push_back(m.text);
            game.comments.emplace_back();
        }
        level.last = level.parent = static_cast<int>(game.treeMoves.size());
        game.treeMoves.push_back(std::move(m));
    }

    void comment(const std::string& text) {
        if (text.empty() || skipped > 0) return;
        treeCommentBytes += text.size();
        if (treeCommentBytes > PGN_MAX_TREE_COMMENT_BYTES) return fail(GBK_PGN_COMMENTS_TOO_LONG);
        VariationLevel& level = levels.back();
        if (levels.size() == 1) {
            mainCommentBytes += text.size();
            if (mainCommentBytes > PGN_MAX_COMMENT_BYTES) return fail(GBK_PGN_COMMENTS_TOO_LONG);
            appendComment(game.comments.empty() ? game.openingComment : game.comments.back(), text);
        }
        if (level.last >= 0) appendComment(game.treeMoves[static_cast<std::size_t>(level.last)].comment, text);
        else if (levels.size() > 1) appendComment(level.pendingComment, text);
    }

    // Variations nested past what a line can hold, and one that opens before
    // any move it could replace, are stepped over with their moves.
    void open() {
        if (skipped > 0 || levels.size() > PGN_MAX_NESTING || levels.back().last < 0) {
            ++skipped;
            return;
        }
        const VariationLevel& outer = levels.back();
        VariationLevel inner;
        // A variation replaces the move before it.
        inner.parent = game.treeMoves[static_cast<std::size_t>(outer.last)].parent;
        levels.push_back(std::move(inner));
    }

    void close() {
        if (skipped > 0) --skipped;
        else if (levels.size() > 1) levels.pop_back();
    }

private:
    void fail(const char* why) {
        if (game.error.empty()) game.error = why;
    }

    PgnGame& game;
    std::vector<VariationLevel> levels;
    std::size_t mainCommentBytes = 0, treeCommentBytes = 0;
    long skipped = 0;  // levels opened past the limit and not yet closed
};

}  // namespace

bool PgnReader::next(PgnGame& game) {
    if (!source) return false;
    game = PgnGame{};
    MoveTextScan scan;
    scan.keepText = !tagsOnly;
    bool sawTags = false, sawMoveText = false;
    bool blankAfterTags = false;  // a game may consist of its tags alone
    std::string line;
    std::vector<MoveTextItem> items;
    GameTreeBuilder builder(game);
    int listedDepth = 0;
    while (!scan.ended && readLine(line)) {
        const bool gbk = source->encoding != Source::UTF8;
        const std::size_t first = line.find_first_not_of(" \t", 0);
        if (first == std::string::npos) {
            blankAfterTags = sawTags;
            if (scan.inComment && scan.keepText && scan.comment.size() <= PGN_MAX_TREE_COMMENT_BYTES) scan.comment += "\r\n";
            continue;
        }
        if (!scan.inComment && scan.variationDepth == 0 && line[first] == '[') {
            if (sawMoveText || blankAfterTags) {  // the next game's tags
                source->heldLine = std::move(line);
                source->holding = true;
                break;
            }
            std::string name, value;
            if (readTag(line, gbk, name, value) && (!tagsOnly || isListedTag(name)))
                game.tags.emplace_back(std::move(name), source->gbkOf(value));
            sawTags = true;
            continue;
        }
        if (!sawMoveText) {  // the tags are complete
            setStartPosition(game);
            sawMoveText = true;
        }
        items.clear();
        scanMoveLine(line, gbk, scan, items);
        for (MoveTextItem& item : items) {
            if (tagsOnly) {  // a listing counts the main line's moves and reads nothing else
                if (item.kind == MoveTextItem::OPEN) ++listedDepth;
                if (item.kind == MoveTextItem::CLOSE && listedDepth > 0) --listedDepth;
                if (item.kind == MoveTextItem::MOVE && listedDepth == 0) ++game.writtenMoves;
                continue;
            }
            switch (item.kind) {
            case MoveTextItem::COMMENT: builder.comment(trimmedComment(source->gbkOf(item.comment))); break;
            case MoveTextItem::MOVE: builder.move(item.move, source->gbkOf(item.move)); break;
            case MoveTextItem::OPEN: builder.open(); break;
            case MoveTextItem::CLOSE: builder.close(); break;
            }
        }
    }
    if (scan.inComment && !tagsOnly && game.error.empty()) builder.comment(trimmedComment(source->gbkOf(scan.comment)));
    if (!sawTags && !sawMoveText) return false;
    if (!sawMoveText) setStartPosition(game);
    if (!tagsOnly) game.writtenMoves = static_cast<int>(game.gbkTexts.size());
    game.index = ++gamesRead;
    return true;
}
