#include "game/pgn_collection.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "game/gbk.h"
#include "game/pgn_clock.h"
#include "game/pgn_moves.h"
#include "game/pgn_reader.h"
#include "game/record_import.h"
#include "game/refused_move_text.h"
#include "game/rules.h"

namespace {

struct ResultTag {
    const char* tag;
    const char* text;
};

constexpr ResultTag RESULT_TAGS[] = {
    {"1-0", GBK_RED_WINS}, {"0-1", GBK_BLACK_WINS}, {"1/2-1/2", GBK_DRAW}, {"*", GBK_IN_PLAY},
};

// The game's result as the game information shows it; a text the program
// does not know stays as written.
std::string resultText(const std::string& tag) {
    for (const ResultTag& r : RESULT_TAGS)
        if (tag == r.tag) return r.text;
    return tag;
}

GameInfo infoOf(const PgnGame& game) {
    GameInfo info;
    info.redPlayer = game.tag("Red");
    info.blackPlayer = game.tag("Black");
    info.date = game.tag("Date");
    info.place = game.tag("Site");
    info.result = resultText(game.tag("Result"));
    // The game information has no field for the event: it heads the notes.
    appendLine(info.notes, game.tag("Event"));
    appendLine(info.notes, game.openingComment);
    return info;
}

std::string gameLabel(int index) { return formatMessage(GBK_RECORD_GAME, index); }

// Reads the game the reader stands before into doc; 0 or 2 as importPgnGame.
int importGame(const PgnGame& game, GameDocument& doc, std::string& message) {
    if (!game.error.empty()) {
        message = gameLabel(game.index) + ": " + game.error;
        return 2;
    }
    std::vector<PackedMove> moves;
    const std::size_t read = judgePgnMoves(game, moves);
    if (read < game.gbkTexts.size()) {
        message = gameLabel(game.index) + " " +
                  formatMessage(GBK_RECORD_BAD_MOVE, static_cast<int>(read + 1),
                                writtenMoveText(game.writtenTexts[read], game.gbkTexts[read]));
        return 2;
    }
    GameDocument read_ = pgnGameDocument(game, moves);
    if (finishImport(read_, message) != 0) {
        message = gameLabel(game.index) + " " + message;
        return 2;
    }
    doc = std::move(read_);
    return 0;
}

int importFrom(PgnReader& reader, int index, GameDocument& doc, std::string& message) {
    PgnGame game;
    // The games before it are stepped over: only their tags are read.
    for (reader.setTagsOnly(index > 1); reader.next(game); reader.setTagsOnly(reader.gamesSoFar() + 1 < index))
        if (game.index == index) return importGame(game, doc, message);
    message = reader.error().empty() ? formatMessage(GBK_RECORD_NO_GAME, index) : reader.error();
    return 2;
}

PgnGameSummary summaryOf(const PgnGame& game) {
    return {game.index,      game.tag("Red"),   game.tag("Black"),
            game.tag("Result"), game.tag("Date"), game.tag("Event"), game.writtenMoves};
}

}  // namespace

GameDocument pgnGameDocument(const PgnGame& game, const std::vector<PackedMove>& moves) {
    GameDocument doc = documentOfMoves(game.startBoard, game.startSide, moves);
    for (std::size_t i = 0; i < doc.moves.size() && i < game.comments.size(); ++i) {
        DocumentMove& m = doc.moves[i];
        m.comment = game.comments[i];
        m.clockMs = takeClockCommands(m.comment).value_or(-1);
    }
    doc.info = infoOf(game);
    doc.timeControl = game.tag("TimeControl");
    JudgedTree judged = judgePgnTree(game);
    if (judged.refusedPly > 0) return doc;  // the caller refuses the game by its main line
    if (judged.cutBranches > 0) appendLine(doc.info.notes, formatMessage(GBK_RECORD_CUT_BRANCHES, judged.cutBranches));
    doc.tree = std::move(judged.tree);
    // The clocks are the line's (above); the tree keeps the comments alone.
    std::vector<int> commented;
    doc.tree.walk([&](int n) { return commented.push_back(n), true; }, [](int) {});
    for (int n : commented) {
        std::string comment = doc.tree.comment(n);
        takeClockCommands(comment);
        if (comment != doc.tree.comment(n)) doc.tree.setComment(n, comment);
    }
    return doc;
}

bool listPgnGames(const std::string& path, std::vector<PgnGameSummary>& games, std::string& error) {
    PgnReader reader;
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    reader.setTagsOnly(true);
    PgnGame game;
    while (reader.next(game)) games.push_back(summaryOf(game));
    error = reader.error();
    return error.empty();
}

namespace {

constexpr std::size_t MAX_COLLECTION_BYTES = std::size_t{1} << 30;

// The text's size, to hold it without growing: a plain file's length, or
// the length a gzip file records in its last four bytes (modulo 4 GiB;
// only a guess, since a file may hold several gzip members), within the
// largest collection held.
std::size_t expectedSize(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    unsigned char head[2] = {0, 0}, tail[4] = {0, 0, 0, 0};
    std::size_t size = 0;
    if (std::fread(head, 1, 2, f) == 2 && std::fseek(f, 0, SEEK_END) == 0) {
        const long length = std::ftell(f);
        size = length > 0 ? static_cast<std::size_t>(length) : 0;
        if (head[0] == 0x1f && head[1] == 0x8b && length >= 18 && std::fseek(f, -4, SEEK_END) == 0 &&
            std::fread(tail, 1, 4, f) == 4)
            size = tail[0] | tail[1] << 8 | tail[2] << 16 | std::size_t{tail[3]} << 24;
    }
    std::fclose(f);
    return std::min(size + 1, MAX_COLLECTION_BYTES + 1);
}

// A file's length in bytes, or 0 when it cannot be told.
long long fileLength(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return 0;
    const long length = std::fseek(f, 0, SEEK_END) == 0 ? std::ftell(f) : 0;
    std::fclose(f);
    return length > 0 ? length : 0;
}

// The whole file, uncompressed when it is gzip; false with error (GBK) when
// it cannot be read or is larger than a collection is held, or with
// cancelled set when progress (told the share of the file's bytes read,
// as the first half of the work) stops it.
bool readWhole(const std::string& path, PgnCollection& collection, std::string& error,
               const CollectionProgress& progress) {
    // gzopen reads files that are not compressed as they are.
    gzFile file = gzopen(path.c_str(), "rb");
    if (!file) {
        error = utf8ToGbkLossy(std::string("cannot open: ") + std::strerror(errno));
        return false;
    }
    constexpr unsigned CHUNK = 1u << 20;
    HeldText& text = collection.text;
    const long long fileSize = fileLength(path);
    int n = 0;
    do {
        // Room for the next chunk: the size expected at first, twice as much
        // when a file holds more than its trailer said.
        if (text.room() < CHUNK &&
            !text.reserve(std::max(text.size() == 0 ? expectedSize(path) + CHUNK : 2 * text.size(), text.size() + CHUNK))) {
            n = -1;
            break;
        }
        n = gzread(file, text.end(), CHUNK);
        text.grow(static_cast<std::size_t>(std::max(n, 0)));
        if (progress && fileSize > 0 && !progress(static_cast<int>(gzoffset(file) * 500 / fileSize))) {
            collection.cancelled = true;
            break;
        }
    } while (n > 0 && text.size() <= MAX_COLLECTION_BYTES);
    gzclose(file);
    if (n < 0) error = "read error";
    else if (text.size() > MAX_COLLECTION_BYTES) error = "file too large";
    return error.empty() && !collection.cancelled;
}

}  // namespace

bool readPgnCollection(const std::string& path, PgnCollection& collection, std::string& error,
                       const CollectionProgress& progress) {
    if (!readWhole(path, collection, error, progress)) return false;
    PgnReader reader;
    reader.openView(collection.text.view());
    reader.setTagsOnly(true);
    PgnGame game;
    const double size = static_cast<double>(std::max<std::size_t>(collection.text.size(), 1));
    while (reader.next(game)) {
        collection.games.push_back(summaryOf(game));
        if (progress && collection.games.size() % 512 == 0 &&
            !progress(500 + static_cast<int>(static_cast<double>(reader.fileOffset()) * 500 / size))) {
            collection.cancelled = true;
            return false;
        }
    }
    error = reader.error();
    return error.empty();
}

int importCollectionGame(const PgnCollection& collection, int index, GameDocument& doc, std::string& message) {
    if (index < 1 || index > static_cast<int>(collection.games.size())) {
        message = formatMessage(GBK_RECORD_NO_GAME, index);
        return 2;
    }
    PgnReader reader;
    reader.openView(collection.text.view());
    return importFrom(reader, index, doc, message);
}

int importPgnGame(const std::string& path, int index, GameDocument& doc, std::string& message) {
    PgnReader reader;
    if (!reader.open(path)) {
        message = reader.error();
        return 1;
    }
    return importFrom(reader, index, doc, message);
}

int importPgnText(const std::string& text, int index, GameDocument& doc, std::string& message) {
    PgnReader reader;
    reader.openText(text);
    return importFrom(reader, index, doc, message);
}
