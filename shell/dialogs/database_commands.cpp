#include "shell/dialogs/database_commands.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

#include "database/games_database.h"
#include "database/games_import.h"
#include "database/stored_game.h"
#include "game/game.h"
#include "shell/dialogs/explorer_window.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/dialogs/pgn_game_chooser.h"
#include "shell/platform/qt_text.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr const char* DATABASE_FILTER = QT_TRANSLATE_NOOP("Texts", "棋库 (*.db);;所有文件 (*)");
constexpr const char* RECORD_FILTER = QT_TRANSLATE_NOOP("Texts", "棋谱 (*.pgn *.pgn.gz *.PGN *.xqf *.XQF);;所有文件 (*)");
constexpr int REFUSALS_SHOWN = 12;

bool openPath(QWidget* parent, const QString& file) {
    std::string error;
    if (openGamesDatabase().open(pathFromQt(file), error)) {
        ExplorerWindow::instance().databaseChanged();
        return true;
    }
    QMessageBox::warning(parent, Texts::tr("打开棋库"), shownGbk(error));
    return false;
}

QString reportText(const ImportReport& r) {
    QString text = Texts::tr("导入 %1 局，重复 %2 局，拒绝 %3 局").arg(r.imported).arg(r.duplicates).arg(r.refused);
    if (r.cancelled) text += Texts::tr("（已取消，之前导入的棋局都已保存）");
    if (!r.error.empty()) text += QStringLiteral("\n") + shownGbk(r.error);
    for (std::size_t i = 0; i < r.refusals.size() && i < REFUSALS_SHOWN; ++i) text += QStringLiteral("\n") + shownGbk(r.refusals[i]);
    if (r.refusals.size() > REFUSALS_SHOWN) text += QStringLiteral("\n……");
    return text;
}

}  // namespace

GamesDatabase& openGamesDatabase() {
    static GamesDatabase database;
    return database;
}

void openGamesDatabaseFile(QWidget* parent, bool create) {
    QString file;
    {
        ModalScope modal;
        file = create ? QFileDialog::getSaveFileName(parent, Texts::tr("新建棋库"), {},
                                                     shownText(DATABASE_FILTER))
                      : QFileDialog::getOpenFileName(parent, Texts::tr("打开棋库"), {},
                                                     shownText(DATABASE_FILTER));
    }
    if (file.isEmpty()) return;
    if (create && QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".db");
    if (openPath(parent, file) && !create) listDatabaseGames(parent);
}

void listDatabaseGames(QWidget* parent) {
    GamesDatabase& db = openGamesDatabase();
    std::vector<GameRow> rows;
    if (!db.isOpen() || !db.findGames({}, rows)) return;
    std::vector<ChooserGame> games;
    games.reserve(rows.size());
    for (const GameRow& r : rows)
        games.push_back({static_cast<int>(r.id), toQt(r.red), toQt(r.black), QString::fromLatin1(resultTag(r.result)),
                         toQt(r.date), toQt(r.event), r.plies});
    PgnGameChooser chooser(std::move(games), QFileInfo(pathToQt(db.path())).fileName(), parent);
    int answer = 0;
    {
        ModalScope modal;
        answer = chooser.exec();
    }
    if (answer == QDialog::Accepted && chooser.chosenGame() > 0) openDatabaseGame(chooser.chosenGame());
}

void importIntoGamesDatabase(QWidget* parent) {
    GamesDatabase& db = openGamesDatabase();
    if (!db.isOpen()) openGamesDatabaseFile(parent, true);
    if (!db.isOpen()) return;
    QStringList files;
    {
        ModalScope modal;
        files = QFileDialog::getOpenFileNames(parent, Texts::tr("导入到棋库"), {}, shownText(RECORD_FILTER));
    }
    if (files.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& f : files) paths.push_back(pathFromQt(f));
    QProgressDialog progress(Texts::tr("正在导入棋局……"), Texts::tr("取消"), 0, 1000, parent);
    progress.setWindowTitle(Texts::tr("导入到棋库"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    ImportReport report;
    {
        ModalScope modal;
        GamesImport(db).importPaths(paths, report, [&progress](const ImportProgress& p) {
            if (p.bytesTotal > 0) progress.setValue(static_cast<int>(p.bytesDone * 1000 / p.bytesTotal));
            progress.setLabelText(Texts::tr("正在导入棋局…… %1 局").arg(p.games));
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    }
    progress.close();
    ExplorerWindow::instance().databaseChanged();
    QMessageBox::information(parent, Texts::tr("导入到棋库"), reportText(report));
}

void openDatabaseGame(long long id) {
    GamesDatabase& db = openGamesDatabase();
    StoredGame g;
    if (!db.loadGame(id, g)) {
        QMessageBox::warning(nullptr, Texts::tr("打开棋库"), Texts::tr("无法读取第 %1 局").arg(id));
        return;
    }
    if (!MainWindow::instance().askToReplaceRecord()) return;
    Game::instance().openDocument(documentOf(g), db.path());
}
