#include "game/sav_file.h"

#include <algorithm>

#include "game/document_check.h"
#include "game/section_file.h"

namespace {

constexpr std::uint16_t SECTION_POSITION = 1;
constexpr std::uint16_t SECTION_INFO = 2;
constexpr std::uint16_t SECTION_MOVES = 3;

// Section 1 says "the initial position" with this first byte, or gives the
// 90 cells after a zero byte.
constexpr std::uint8_t POSITION_INITIAL = 1;
constexpr std::uint8_t POSITION_GIVEN = 0;

void writePosition(const GameDocument& doc, SectionWriter& out) {
    out.beginSection(SECTION_POSITION);
    if (doc.startBoard == INITIAL_BOARD) {
        out.putByte(POSITION_INITIAL);
    } else {
        out.putByte(POSITION_GIVEN);
        for (BoardPiece p : doc.startBoard) out.putByte(static_cast<std::uint8_t>(p));
    }
    out.putByte(doc.startSide);
    out.endSection();
}

void writeInfo(const GameDocument& doc, SectionWriter& out) {
    out.beginSection(SECTION_INFO);
    for (const std::string* text : doc.info.texts()) out.putText(*text);
    out.endSection();
}

void writeMoves(const GameDocument& doc, SectionWriter& out) {
    out.beginSection(SECTION_MOVES);
    out.putU16(static_cast<std::uint16_t>(doc.currentPly));
    for (const DocumentMove& m : doc.moves) {
        out.putU32(m.move);
        out.putText(m.comment);
    }
    out.endSection();
}

bool readPosition(SectionContent& in, GameDocument& doc) {
    std::uint8_t form = 0, side = 0;
    if (!in.getByte(form)) return false;
    if (form != POSITION_GIVEN) {
        doc.startBoard = INITIAL_BOARD;
    } else {
        std::uint8_t cells[90];
        if (!in.getBytes(cells)) return false;
        std::copy(std::begin(cells), std::end(cells), doc.startBoard.begin());
    }
    if (!in.getByte(side)) return false;
    doc.startSide = side != 0 ? SIDE_RED : SIDE_BLACK;
    return true;
}

// A text without its zero byte ends at the end of the section; texts
// missing altogether stay empty.
void readInfo(SectionContent& in, GameDocument& doc) {
    doc.info = GameInfo{};
    for (std::string* text : doc.info.texts()) {
        if (in.atEnd()) break;
        in.getText(*text);
    }
}

// A move cut short by the section's end makes the section unreadable.
bool readMoves(SectionContent& in, GameDocument& doc) {
    std::uint16_t ply = 0;
    if (!in.getU16(ply)) return false;
    doc.currentPly = static_cast<std::int16_t>(ply);
    doc.moves.clear();
    while (!in.atEnd()) {
        DocumentMove m;
        if (!in.getU32(m.move)) return false;
        in.getText(m.comment);
        doc.moves.push_back(std::move(m));
    }
    return true;
}

}  // namespace

bool SavFile::encode(const GameDocument& doc, std::vector<std::uint8_t>& out) {
    SectionWriter payload(GAME_FILE_LIMIT);
    writePosition(doc, payload);
    writeInfo(doc, payload);
    writeMoves(doc, payload);
    if (payload.overflowed()) return false;
    SectionFile file{SECTION_FILE_GAME, payload.payload()};
    return file.encode(GAME_FILE_LIMIT, out);
}

int SavFile::decode(std::span<const std::uint8_t> bytes, GameDocument& doc) {
    SectionFile file;
    if (!file.decode(bytes, SECTION_FILE_GAME, GAME_FILE_LIMIT, GAME_FILE_LIMIT)) return 2;
    GameDocument read;
    bool hasPosition = false;
    SectionWalker walker(file.payload);
    Section section;
    while (walker.next(section)) {
        switch (section.id) {
        case SECTION_POSITION:
            if (!readPosition(section.content, read)) return 2;
            hasPosition = true;
            break;
        case SECTION_INFO: readInfo(section.content, read); break;
        case SECTION_MOVES:
            if (!readMoves(section.content, read)) return 2;
            break;
        default: break;  // a section of a later version
        }
    }
    if (!hasPosition || !isPlayableDocument(read)) return 2;
    doc = std::move(read);
    return 0;
}
