#include "shell/dialogs/match_board.h"
#include "shell/platform/shown_text.h"

#include <QPainter>

namespace {

// Four fifths of the classic board: whole pixels, lines centred.
constexpr int MATCH_CELL = 32;
constexpr int MATCH_WIDTH = 312;
constexpr int MATCH_HEIGHT = 384;

}  // namespace

MatchBoard::MatchBoard(QWidget* parent) : QWidget(parent) {
    geo.width = MATCH_WIDTH;
    geo.height = MATCH_HEIGHT;
    geo.cell = MATCH_CELL;
    setFixedSize(MATCH_WIDTH, MATCH_HEIGHT);
}

void MatchBoard::showPosition(const Board90* board) {
    known = board != nullptr;
    if (board) board_ = *board;
    update();
}

const BoardPictures& MatchBoard::pictures() {
    const double ratio = devicePixelRatioF();
    if (ratio != drawnRatio) {
        drawn = drawnBoardPictures(geo.layout(ratio));
        drawnRatio = ratio;
    }
    return drawn;
}

void MatchBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const BoardPictures& pics = pictures();
    p.drawImage(QRect(0, 0, geo.width, geo.height), pics.board);
    if (!known) {
        p.drawText(rect(), Qt::AlignCenter, Texts::tr("此局的局面无法显示"));
        return;
    }
    for (int rank = 0; rank < 10; ++rank) {
        for (int file = 0; file < 9; ++file) {
            const BoardPiece code = board_[boardIndex(file, rank)];
            if (code < 0 || code >= NO_PIECE) continue;
            const GridPoint point{static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)};
            p.drawImage(QRect(geo.cellOrigin(point), QSize(geo.cell, geo.cell)), pics.pieces, pics.pieceSource(code));
        }
    }
}
