#include "database/stored_game.h"

#include <cstring>

#include "engine/fen.h"
#include "game/gbk.h"
#include "game/pgn_collection.h"
#include "game/pgn_reader.h"

namespace {

struct ResultName {
    const char* text;
    GameResult result;
};

// PGN tags and the game information's texts alike.
constexpr ResultName RESULT_NAMES_READ[] = {
    {"1-0", RESULT_RED_WINS},       {"0-1", RESULT_BLACK_WINS}, {"1/2-1/2", RESULT_DRAW},
    {"\xC2\xBD-\xC2\xBD", RESULT_DRAW}, {GBK_RED_WINS, RESULT_RED_WINS}, {GBK_BLACK_WINS, RESULT_BLACK_WINS},
    {GBK_DRAW, RESULT_DRAW},
};

void putLength(std::string& out, std::size_t n) {
    while (n >= 0x80) {
        out += static_cast<char>(0x80 | (n & 0x7F));
        n >>= 7;
    }
    out += static_cast<char>(n);
}

bool getLength(const std::string& in, std::size_t& at, std::size_t& n) {
    n = 0;
    for (int shift = 0; shift < 35 && at < in.size(); shift += 7) {
        const auto b = static_cast<unsigned char>(in[at++]);
        n |= static_cast<std::size_t>(b & 0x7F) << shift;
        if (!(b & 0x80)) return n <= in.size() - at;
    }
    return false;
}

int digitsAt(const std::string& s, std::size_t at, std::size_t count) {
    if (at + count > s.size()) return -1;
    int v = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

}  // namespace

std::string StoredGame::tag(const std::string& name) const {
    for (const auto& [key, value] : tags)
        if (key == name) return value;
    return {};
}

void StoredGame::setTag(const std::string& name, const std::string& value) {
    for (auto& [key, v] : tags)
        if (key == name) {
            v = value;
            return;
        }
    tags.emplace_back(name, value);
}

GameResult resultOfText(const std::string& text) {
    for (const ResultName& r : RESULT_NAMES_READ)
        if (text == r.text) return r.result;
    return RESULT_IN_PLAY;
}

const char* resultTag(GameResult r) {
    switch (r) {
    case RESULT_RED_WINS: return "1-0";
    case RESULT_BLACK_WINS: return "0-1";
    case RESULT_DRAW: return "1/2-1/2";
    default: return "*";
    }
}

int yearOfDate(const std::string& date) {
    const int year = digitsAt(date, 0, 4);
    return year >= 1000 && year <= 2999 ? year : 0;
}

// "2001.05.12", "2001-05-12", "2001/5/12", "2001.??.??" and "2001" all read.
int dayOfDate(const std::string& date) {
    const int year = yearOfDate(date);
    if (year == 0) return 0;
    int parts[2] = {0, 0};
    std::size_t at = 4;
    for (int& part : parts) {
        if (at >= date.size() || std::strchr(".-/", date[at]) == nullptr) break;
        ++at;
        const int two = digitsAt(date, at, 2), one = digitsAt(date, at, 1);
        part = two >= 0 ? two : one >= 0 ? one : 0;
        at += two >= 0 ? 2 : one >= 0 ? 1 : 0;
        if (part == 0) break;
    }
    if (parts[0] > 12) parts[0] = 0;
    if (parts[1] > 31) parts[1] = 0;
    return year * 10000 + parts[0] * 100 + parts[1];
}

StoredGame storedGameOf(const PgnGame& game, const std::vector<PackedMove>& moves) {
    StoredGame s;
    s.number = game.index;
    s.tags = game.tags;
    s.startBoard = game.startBoard;
    s.startSide = game.startSide;
    s.moves = moves;
    s.comments.assign(game.comments.begin(), game.comments.begin() + static_cast<std::ptrdiff_t>(
                                                                        std::min(moves.size(), game.comments.size())));
    s.comments.resize(moves.size());
    s.openingComment = game.openingComment;
    s.result = resultOfText(game.tag("Result"));
    return s;
}

StoredGame storedGameOf(const GameDocument& doc) {
    StoredGame s;
    s.setTag("Red", doc.info.redPlayer);
    s.setTag("Black", doc.info.blackPlayer);
    s.setTag("Date", doc.info.date);
    s.setTag("Site", doc.info.place);
    s.result = resultOfText(doc.info.result);
    s.setTag("Result", resultTag(s.result));
    s.startBoard = doc.startBoard;
    s.startSide = doc.startSide;
    for (const DocumentMove& m : doc.moves) {
        s.moves.push_back(m.move);
        s.comments.push_back(m.comment);
    }
    s.openingComment = doc.info.notes;
    return s;
}

GameDocument documentOf(const StoredGame& game) {
    PgnGame pgn;
    pgn.index = game.number;
    pgn.tags = game.tags;
    pgn.startBoard = game.startBoard;
    pgn.startSide = game.startSide;
    pgn.comments = game.comments;
    pgn.openingComment = game.openingComment;
    return pgnGameDocument(pgn, game.moves);
}

std::string encodeMoves(const std::vector<PackedMove>& moves) {
    std::string out;
    out.reserve(moves.size() * 4);
    for (PackedMove m : moves)
        for (int b = 0; b < 4; ++b) out += static_cast<char>((m >> (8 * b)) & 0xFF);
    return out;
}

bool decodeMoves(const std::string& bytes, std::vector<PackedMove>& moves) {
    if (bytes.size() % 4 != 0) return false;
    moves.clear();
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        PackedMove m = 0;
        for (int b = 0; b < 4; ++b) m |= static_cast<PackedMove>(static_cast<unsigned char>(bytes[i + b])) << (8 * b);
        moves.push_back(m);
    }
    return true;
}

std::string encodeTexts(const std::vector<std::pair<std::string, std::string>>& pairs) {
    std::string out;
    for (const auto& [a, b] : pairs) {
        putLength(out, a.size());
        out += a;
        putLength(out, b.size());
        out += b;
    }
    return out;
}

bool decodeTexts(const std::string& bytes, std::vector<std::pair<std::string, std::string>>& pairs) {
    pairs.clear();
    std::size_t at = 0, n = 0;
    while (at < bytes.size()) {
        std::pair<std::string, std::string> p;
        if (!getLength(bytes, at, n)) return false;
        p.first = bytes.substr(at, n);
        at += n;
        if (!getLength(bytes, at, n)) return false;
        p.second = bytes.substr(at, n);
        at += n;
        pairs.push_back(std::move(p));
    }
    return true;
}
