#include "shell/dialogs/match_game_track.h"

#include <string>

#include "engine/board_move.h"
#include "engine/fen.h"
#include "game/coordinate_notation.h"
#include "game/text_move_judge.h"
#include "shell/platform/qt_text.h"

namespace {

// Black's file numbers are full-width digits in the notation (马８进７);
// texts written with plain digits read the same.
QString fullWidthDigits(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) c = QChar(0xFF11 + (c.unicode() - '1'));
    return text;
}

}  // namespace

void MatchGameTrack::begin(int gameIndex, const QString& redName, const QString& blackName,
                           const std::optional<QString>& startFen) {
    *this = MatchGameTrack{};
    index = gameIndex;
    red = redName;
    black = blackName;
    std::string error;
    followed_ = startFen.has_value() && readFen(startFen->toStdString(), board_, side_, error);
}

void MatchGameTrack::addMove(const QString& text, qint64 redMs, qint64 blackMs) {
    moves.append(text);
    redClockMs = redMs;
    blackClockMs = blackMs;
    if (!followed_) return;
    const std::string utf8 = text.toStdString();
    const PackedMove move = looksLikeCoordinateMove(utf8) ? judgeCoordinateMove(board_, side_, utf8)
                                                          : judgeTextMove(board_, side_, fromQt(fullWidthDigits(text)));
    if (move == 0) {
        followed_ = false;
        return;
    }
    playOnBoard(board_, move);
    side_ = side_ == SIDE_RED ? SIDE_BLACK : SIDE_RED;
}

void MatchGameTrack::finish(const QString& gameResult, const QString& how) {
    result = gameResult;
    termination = how;
}
