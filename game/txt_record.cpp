#include "game/txt_record.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/board_move.h"
#include "game/game_file.h"
#include "game/notation.h"
#include "game/sav_file.h"
#include "game/text_move_judge.h"

namespace {

// Separators of the tokens of a record: space, period, colon, tab, CR, LF.
constexpr const char* RECORD_SEPARATORS = " .:\t\r\n";

bool isMoveNumber(const std::string& token) { return std::atoi(token.c_str()) >= 1; }

}  // namespace

std::string TxtRecord::encode(const GameDocument& doc) {
    std::vector<PackedMove> moves;
    moves.reserve(doc.moves.size());
    for (const DocumentMove& m : doc.moves) moves.push_back(m.move);
    std::vector<char> buffer(GAME_FILE_LIMIT);
    formatRecord(doc.startBoard, moves.data(), static_cast<int>(moves.size()), buffer.data(), buffer.size());
    return std::string(buffer.data());
}

int TxtRecord::decode(const std::string& text, GameDocument& doc) {
    const std::string record = text.substr(0, text.find('\0'));
    GameDocument read;
    Board90 board = INITIAL_BOARD;
    Side side = SIDE_RED;
    for (const std::string& token : GameFile::splitTokens(record, RECORD_SEPARATORS)) {
        if (isMoveNumber(token)) continue;
        const PackedMove m = judgeTextMove(board, side, token);
        if (m == 0) return 2;
        playOnBoard(board, m);
        side ^= 1;
        read.moves.push_back({m, {}});
    }
    read.startBoard = INITIAL_BOARD;
    read.startSide = SIDE_RED;
    // The ply count is stored in 16 bits; a longer record opens at its last
    // ply that fits.
    read.currentPly = static_cast<std::int16_t>(std::min<std::size_t>(read.moves.size(), INT16_MAX));
    doc = std::move(read);
    return 0;
}

TxtLoss TxtRecord::loss(const GameDocument& doc) {
    if (doc.startBoard != INITIAL_BOARD || doc.startSide != SIDE_RED) return TxtLoss::Start;
    GameDocument back;
    if (decode(encode(doc), back) != 0 || back.moves.size() != doc.moves.size()) return TxtLoss::Moves;
    for (std::size_t i = 0; i < doc.moves.size(); ++i)
        if (back.moves[i].move != doc.moves[i].move) return TxtLoss::Moves;
    return TxtLoss::None;
}
