// Opening a record from the open dialog, the command line or a file
// dropped on the window: a PGN collection of more than one game first
// lists its games to choose from.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressDialog>
#include <QTimer>
#include <QUrl>

#include "game/game.h"
#include "game/gbk.h"
#include "game/pgn_collection.h"
#include "game/record_format.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/dialogs/pgn_game_chooser.h"
#include "shell/platform/qt_text.h"
#include "shell/platform/shown_text.h"

namespace {

// One converter for all the rows: tens of thousands of games would open
// one each per text otherwise.
std::vector<ChooserGame> chooserGames(const std::vector<PgnGameSummary>& games) {
    TextConverter toUtf8(TextConverter::GBK_TO_UTF8);
    const auto text = [&toUtf8](const std::string& gbk) {
        return gbk.empty() ? QString() : QString::fromStdString(toUtf8.convertLossy(gbk));
    };
    std::vector<ChooserGame> rows;
    rows.reserve(games.size());
    for (const PgnGameSummary& g : games)
        rows.push_back({g.index, text(g.red), text(g.black), text(g.result), text(g.date), text(g.event), g.plies});
    return rows;
}

}  // namespace

// Reads a collection, showing how far it is (with 取消) when that takes
// more than a moment.
bool MainWindow::readCollection(const std::string& path, PgnCollection& collection, std::string& error) {
    QProgressDialog progress(Texts::tr("正在读取棋谱……"), Texts::tr("取消"), 0, 1000, this);
    progress.setWindowTitle(QFileInfo(pathToQt(path)).fileName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoReset(false);
    ModalScope modal;
    const bool read = readPgnCollection(path, collection, error, [&progress](int permille) {
        progress.setValue(permille);
        return !progress.wasCanceled();
    });
    progress.close();
    return read;
}

// A collection the listing cannot read, or one of a single game, goes to
// openFile as it is: it opens the first game or reports why it cannot. The
// game chosen opens as the listing read it; a listing cancelled opens
// nothing.
void MainWindow::openRecord(const std::string& path) {
    PgnCollection collection;
    std::string error;
    if (recordFormatOf(path) == RecordFormat::Pgn && !readCollection(path, collection, error) &&
        collection.cancelled)
        return;
    if (recordFormatOf(path) != RecordFormat::Pgn || !error.empty() || collection.games.size() < 2) {
        game.openFile(path);
        return;
    }
    PgnGameChooser chooser(chooserGames(collection.games), QFileInfo(pathToQt(path)).fileName(), this);
    int answer = 0;
    {
        ModalScope modal;
        answer = chooser.exec();
    }
    if (answer == QDialog::Accepted && chooser.chosenGame() > 0)
        game.openCollectionGame(path, collection, chooser.chosenGame());
}

namespace {

// The one local file a drag carries, or an empty text.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    return urls.first().toLocalFile();
}

}  // namespace

// A file is taken only while 打开 could be given.
void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (menu.isEnabled(CMD_OPEN) && !droppedFile(e->mimeData()).isEmpty()) {
        e->acceptProposedAction();
    } else {
        e->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QString file = droppedFile(e->mimeData());
    if (!menu.isEnabled(CMD_OPEN) || file.isEmpty()) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
    // The save prompt and the chooser are modal: they open after the drop
    // has ended, so the program the file came from is not kept waiting.
    const std::string path = pathFromQt(file);
    QTimer::singleShot(0, this, [this, path] { openDroppedFile(path); });
}

void MainWindow::openDroppedFile(const std::string& path) {
    if (!menu.isEnabled(CMD_OPEN) || !askToReplaceRecord()) return;
    openRecord(path);
}
