#include "fuzz_entries.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <string>
#include <vector>

#include "engine/book.h"
#include "engine/fen.h"
#include "engine/uci/uci_session.h"
#include "game/document_check.h"
#include "game/game_file.h"
#include "game/notation.h"
#include "game/pasted_position.h"
#include "game/pgn_collection.h"
#include "game/pgn_reader.h"
#include "game/pgn_writer.h"
#include "game/rules.h"
#include "game/xqf_file.h"
#include "game/xqf_writer.h"
#include "game/sav_file.h"
#include "game/section_file.h"
#include "game/settings_file.h"
#include "game/txt_record.h"

namespace {

std::string asText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

std::vector<std::string> splitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A number word above most is replaced by most; other words stay as they
// are, so that the session's own checks of bad numbers are reached too.
void capNumber(std::string& word, long long most) {
    long long value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec == std::errc::result_out_of_range || (ec == std::errc() && value > most)) word = std::to_string(most);
    (void)end;
}

// The line the session gets: "go" limits small enough for a quick answer.
std::string tameLine(const std::string& line) {
    std::vector<std::string> words = splitWords(line);
    if (words.empty()) return line;
    if (words[0] == "bench") return "bench 1";
    if (words[0] != "go") return line;
    const bool perft = words.size() >= 2 && words[1] == "perft";
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        const std::string& w = words[i];
        if (perft) capNumber(words[i + 1], 2);
        else if (w == "depth") capNumber(words[i + 1], 3);
        else if (w == "movetime" || w == "wtime" || w == "btime") capNumber(words[i + 1], 40);
        else if (w == "winc" || w == "binc") capNumber(words[i + 1], 10);
    }
    // A go without any limit searches until stop: give it a short one.
    bool limited = perft;
    for (const std::string& w : words)
        if (w == "depth" || w == "movetime" || w == "wtime" || w == "btime") limited = true;
    std::string tamed;
    for (const std::string& w : words) tamed += w + " ";
    if (!limited) tamed += "movetime 20";
    return tamed;
}

// The first byte of a game or settings input chooses: even, the rest is
// the whole file; odd, the rest is the payload, packed here into a sound
// container so that the section walk gets the mutations. False when the
// payload cannot be packed.
bool fileFromInput(const std::uint8_t* data, std::size_t size, std::uint8_t type, std::size_t limit,
                   std::vector<std::uint8_t>& file) {
    if (size == 0) return false;
    if ((data[0] & 1) == 0) {
        file.assign(data + 1, data + size);
        return true;
    }
    SectionFile container;
    container.type = type;
    container.payload.assign(data + 1, data + size);
    return container.encode(limit, file);
}

Board90 boardFromBytes(const std::uint8_t* data) {
    Board90 board;
    for (int i = 0; i < 90; ++i) board[i] = static_cast<BoardPiece>(data[i] % (NO_PIECE + 1));
    return board;
}

}  // namespace

bool fuzzSavEntry(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file;
    if (!fileFromInput(data, size, SECTION_FILE_GAME, GAME_FILE_LIMIT, file)) return true;
    GameDocument doc;
    if (SavFile::decode(file, doc) != 0) return doc == GameDocument{};
    if (!isPlayableDocument(doc)) return false;
    std::vector<std::uint8_t> bytes;
    if (!SavFile::encode(doc, bytes)) return true;  // a game past the limit is not written
    GameDocument again;
    return SavFile::decode(bytes, again) == 0 && again == doc;
}

bool fuzzSettingsEntry(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file;
    if (!fileFromInput(data, size, SECTION_FILE_SETTINGS, SETTINGS_FILE_LIMIT, file)) return true;
    SettingsFile first;
    if (!first.merge(file)) return first.settings() == SettingsFile().settings();
    std::vector<std::uint8_t> written;
    if (!first.encode(written)) return false;
    SettingsFile second;
    if (!second.merge(written)) return false;
    std::vector<std::uint8_t> rewritten;
    return second.encode(rewritten) && rewritten == written;
}

bool fuzzTxtEntry(const std::uint8_t* data, std::size_t size) {
    const std::string text = asText(data, size);
    const std::vector<std::string> tokens = GameFile::splitTokens(text, " .:\t\r\n");
    for (const std::string& token : tokens) {
        if (token.empty()) return false;
        parseMove(INITIAL_BOARD, token);
        MoveText read;
        if (readMoveText(token, read)) moveFromPoint(read, GridPoint{4, 0});
    }
    // The same texts read on a board the input makes up.
    if (size >= 90) {
        const Board90 board = boardFromBytes(data);
        for (const std::string& token : tokens) parseMove(board, token);
    }
    GameDocument doc;
    if (TxtRecord::decode(text, doc) != 0) return doc == GameDocument{};
    if (!isPlayableDocument(doc)) return false;
    GameDocument again;
    if (TxtRecord::decode(TxtRecord::encode(doc), again) != 0) return false;
    // The written record may be cut at the size limit, never changed.
    if (again.moves.size() > doc.moves.size()) return false;
    return std::equal(again.moves.begin(), again.moves.end(), doc.moves.begin());
}

bool fuzzFenEntry(const std::uint8_t* data, std::size_t size) {
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    std::string error;
    if (!readFen(asText(data, size), board, side, error)) return board == INITIAL_BOARD && side == SIDE_RED && !error.empty();
    const std::string written = writeFen(board, side);
    Board90 again{};
    Side againSide = 0;
    if (!readFen(written, again, againSide, error)) return false;
    boardDiagram(board);
    return again == board && againSide == side;
}

bool fuzzUciEntry(const std::uint8_t* data, std::size_t size) {
    std::ostringstream out;
    UciSession session(out);
    std::istringstream in(asText(data, size));
    int lines = 0;
    for (std::string line; std::getline(in, line) && lines < 64; ++lines) {
        if (!session.handle(tameLine(line))) return true;
        session.poll();
    }
    session.endOfInput();
    return true;
}

bool fuzzBookEntry(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return true;
    OpeningBook book;
    if (data[0] & 1) {
        const std::vector<std::uint8_t> resource = packBookResource(std::vector<std::uint8_t>(data + 1, data + size));
        book.loadBook(resource.data(), resource.size());
    } else {
        book.loadBook(data + 1, size - 1);
    }
    // Every loaded position answers with one of its moves, the heaviest first.
    for (std::size_t i = 1; i + 8 <= size && i < 400; i += 9) {
        const std::uint32_t low = data[i] | data[i + 1] << 8 | data[i + 2] << 16 | static_cast<std::uint32_t>(data[i + 3]) << 24;
        const std::uint32_t high = data[i + 4] | data[i + 5] << 8 | data[i + 6] << 16 | static_cast<std::uint32_t>(data[i + 7]) << 24;
        const BookEntry* entry = book.findBookEntry(low, high);
        if (entry == nullptr) {
            if (book.probeBook(low, high) != 0) return false;
            continue;
        }
        if (entry->moves.empty()) return false;
        const PackedMove picked = OpeningBook::pickBookMove(*entry, data[i] * 128);
        if (std::none_of(entry->moves.begin(), entry->moves.end(), [&](const BookMove& m) { return m.move == picked; }))
            return false;
    }
    return true;
}

namespace {

// A document no reader makes, to see that a refusal leaves it alone.
GameDocument sentinelDocument() {
    GameDocument doc;
    doc.info.notes = "untouched";
    doc.moves.push_back({packMove(1, 2, 4, 2), "x"});
    return doc;
}

// The tree's moves and shape in file order, comments left out.
std::vector<std::pair<int, PackedMove>> treeShape(const MoveTree& tree) {
    std::vector<std::pair<int, PackedMove>> shape;
    tree.walk([&](int n) { shape.emplace_back(tree.depth(n), tree.move(n)); return true; }, [](int) {});
    return shape;
}

// A document read from outside: playable, its main line the tree's; written
// as PGN it reads back from the same start with the same moves and tree
// (PGN carries comments as UTF-8, so those may differ), written as XQF with
// the same tree, comments included.
bool importedDocumentKeepsItsPromises(const GameDocument& doc) {
    if (!isPlayableDocument(doc)) return false;
    const std::vector<int> main = doc.tree.mainLine();
    if (main.size() != doc.moves.size()) return false;
    for (std::size_t i = 0; i < main.size(); ++i)
        if (doc.tree.move(main[i]) != doc.moves[i].move) return false;
    GameDocument back;
    std::string message;
    if (importPgnText(encodePgn(doc), 1, back, message) != 0) return false;
    if (back.startBoard != doc.startBoard || back.startSide != doc.startSide) return false;
    if (back.moves.size() != doc.moves.size()) return false;
    for (std::size_t i = 0; i < doc.moves.size(); ++i)
        if (back.moves[i].move != doc.moves[i].move) return false;
    if (treeShape(back.tree) != treeShape(doc.tree)) return false;
    std::vector<std::uint8_t> bytes;
    GameDocument xqf;
    if (!encodeXqf(doc, bytes) || decodeXqf(bytes, xqf, message) != 0) return false;
    return xqf.tree == doc.tree && xqf.moves == doc.moves && xqf.startBoard == doc.startBoard;
}

// 0 and a document that keeps the promises, or a refusal that changed nothing.
bool importOutcomeIsSound(int result, const GameDocument& doc) {
    if (result == 0) return importedDocumentKeepsItsPromises(doc);
    return result == 2 && doc == sentinelDocument();
}

}  // namespace

bool fuzzPgnEntry(const std::uint8_t* data, std::size_t size) {
    const std::string text = asText(data, size);
    PgnReader reader;
    reader.openText(text);
    PgnGame game;
    int games = 0;
    while (games < 64 && reader.next(game)) ++games;
    for (int index = 1; index <= std::min(games, 3); ++index) {
        GameDocument doc = sentinelDocument();
        std::string message;
        if (!importOutcomeIsSound(importPgnText(text, index, doc, message), doc)) return false;
    }
    return true;
}

bool fuzzXqfEntry(const std::uint8_t* data, std::size_t size) {
    GameDocument doc = sentinelDocument();
    std::string message;
    return importOutcomeIsSound(decodeXqf(std::span(data, size), doc, message), doc);
}

bool fuzzPasteEntry(const std::uint8_t* data, std::size_t size) {
    const std::string text = asText(data, size);
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_BLACK;
    if (readPastedPosition(text, board, side) != nullptr) return board == INITIAL_BOARD && side == SIDE_BLACK;
    if (!obeysSetupRules(board) || !isSetupAcceptable(board, side)) return false;
    Board90 again;
    Side againSide;
    return readPastedPosition("\r\n " + writeFen(board, side) + "\n", again, againSide) == nullptr &&
           again == board && againSide == side;
}
