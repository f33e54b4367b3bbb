// 复制局面 and 粘贴局面: the position shown in the game as a FEN on the
// clipboard, and a new game from a FEN found there.
#include <QClipboard>
#include <QGuiApplication>

#include "engine/fen.h"
#include "game/game.h"
#include "game/gbk.h"
#include "game/pasted_position.h"
#include "shell/main_window/clipboard_text.h"
#include "shell/main_window/main_window.h"

namespace {

// A FEN is one short line; anything longer is not one.
constexpr qsizetype MAX_FEN_LENGTH = 256;

// The clipboard's first non-empty line, without the spaces around it and
// without quotes, as a FEN tag or a chat message may carry it.
std::string clipboardLine() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return {};
    const QStringList lines = clipboard->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString line : lines) {
        line = line.trimmed();
        if (line.size() >= 2 && line.startsWith(QLatin1Char('"')) && line.endsWith(QLatin1Char('"'))) {
            line = line.mid(1, line.size() - 2).trimmed();
        }
        if (line.isEmpty()) continue;
        if (line.size() > MAX_FEN_LENGTH) return {};
        return line.toStdString();
    }
    return {};
}

}  // namespace

void MainWindow::copyPosition() { copyTextToClipboard(writeFen(game.board(), game.sideToMove())); }

// The position is judged before the save prompt: a clipboard without a
// playable position asks nothing and changes nothing.
void MainWindow::pastePosition() {
    if (game.refuseRecordChange()) return;
    const std::string fen = clipboardLine();
    Board90 board{};
    Side side = SIDE_RED;
    if (const char* refusal = readPastedPosition(fen, board, side)) {
        showMessage(refusal, GBK_CAPTION_ERROR, MessageIcon::Error);
        return;
    }
    if (!askToSave()) return;
    game.newGameFromFen(fen);
}
