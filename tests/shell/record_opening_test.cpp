// Records from other programs in the window: the open and save dialogs'
// types, a PGN collection's chooser, XQF files, saving as PGN through the
// commands and reading it back, and files dropped on the window.
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <functional>

#include "game/game.h"
#include "game/game_info.h"
#include "game/gbk.h"
#include "shell/main_window/app.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/command_line.h"
#include "shell/main_window/main_window.h"
#include "shell/dialogs/pgn_game_chooser.h"
#include "shell/platform/qt_text.h"
#include "shell_support.h"
#include "tool_window_support.h"

class RecordOpeningTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void theOpenDialogOffersEveryRecordType();
    void aSingleGamePgnOpensAtOnceAsAnUntitledGame();
    void aCollectionOpensTheChosenGame();
    void escapeInTheChooserChangesNothing();
    void xqfFilesOpen();
    void theCommandLineOpensARecord();
    void saveAsPgnAndReadItBack();
    void aFailedPgnSaveIsReportedAndKeepsTheMark();
    void aDroppedFileOpensAfterTheSavePrompt();
    void dropsThatAreRefused();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
};

namespace {

const QString PGN_FILTER = QStringLiteral("PGN 棋谱 (*.pgn)");

const char COLLECTION[] =
    "[Game \"Chinese Chess\"]\n"
    "[Event \"甲级联赛\"]\n"
    "[Red \"许银川\"]\n"
    "[Black \"吕钦\"]\n"
    "[Result \"1-0\"]\n"
    "[Date \"2001.01.05\"]\n"
    "\n"
    "1. 炮二平五 马８进７ 2. 马二进三 车９平８ 1-0\n"
    "\n"
    "[Game \"Chinese Chess\"]\n"
    "[Event \"五羊杯\"]\n"
    "[Red \"胡荣华\"]\n"
    "[Black \"柳大华\"]\n"
    "[Result \"1/2-1/2\"]\n"
    "\n"
    "1. 相三进五 {飞相局} 卒７进１ 1/2-1/2\n"
    "\n"
    "[Game \"Chinese Chess\"]\n"
    "[Event \"五羊杯\"]\n"
    "[Red \"赵国荣\"]\n"
    "[Black \"徐天红\"]\n"
    "[Result \"0-1\"]\n"
    "\n"
    "1. 兵七进一 0-1\n";

const char ONE_GAME[] =
    "[Game \"Chinese Chess\"]\n"
    "[Red \"甲\"]\n"
    "[Black \"乙\"]\n"
    "\n"
    "1. 炮二平五 马８进７ *\n";

std::string writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(bytes);
    f.close();
    return pathFromQt(QDir::current().absoluteFilePath(name));
}

QString shownTitle(const MainWindow& w) { return w.QMainWindow::windowTitle(); }

// Answers the next game chooser: types the filter text, then Enter, or
// Esc when told to.
class ChooserAnswerer : public QObject {
public:
    ChooserAnswerer(QString text, bool escape) : filter(std::move(text)), cancel(escape) { timer = startTimer(5); }
    ~ChooserAnswerer() override { killTimer(timer); }
    std::function<void()> whileShown;  // before the answer
    bool seen = false;
    int listed = 0;
    int shown = 0;

private:
    void timerEvent(QTimerEvent*) override {
        auto* chooser = dynamic_cast<PgnGameChooser*>(QApplication::activeModalWidget());
        if (!chooser || !chooser->isVisible() || seen) return;
        seen = true;
        listed = chooser->shownCount();
        typeText(chooser->filterEdit(), filter);
        shown = chooser->shownCount();
        if (whileShown) whileShown();
        // Enter with nothing shown would keep the chooser open.
        QTest::keyClick(chooser->filterEdit(), cancel || shown == 0 ? Qt::Key_Escape : Qt::Key_Return);
    }
    QString filter;
    bool cancel;
    int timer = 0;
};

// A drag of these files (or of text) over the window, then the drop.
bool dropOn(MainWindow& w, QMimeData& data) {
    const QPoint at(100, 100);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    pump(50);
    return drop.isAccepted();
}

bool dropFile(MainWindow& w, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pathToQt(path))});
    return dropOn(w, data);
}

}  // namespace

void RecordOpeningTest::init() {
    w = &freshGame();
    game = &Game::instance();
}

void RecordOpeningTest::theOpenDialogOffersEveryRecordType() {
    FileDialogAnswerer dialog{QString{}};
    w->onCommand(CMD_OPEN);
    QVERIFY(dialog.seen);
    QCOMPARE(dialog.filters,
             (QStringList{QStringLiteral("象棋文件 (*.sav)"), QStringLiteral("文本文件 (*.txt)"), PGN_FILTER,
                          QStringLiteral("XQF 棋谱 (*.xqf)"), QStringLiteral("所有棋谱 (*.sav *.txt *.pgn *.pgn.gz *.xqf)"),
                          QStringLiteral("所有文件 (*)")}));
    // And the save dialog the three types it writes.
    playMoves({CANNON_TO_CENTRE});
    FileDialogAnswerer save{QString{}};
    w->onCommand(CMD_SAVE_AS);
    QCOMPARE(save.filters,
             (QStringList{QStringLiteral("象棋文件 (*.sav)"), QStringLiteral("文本文件 (*.txt)"), PGN_FILTER,
                          QStringLiteral("XQF 棋谱 (*.xqf)")}));
}

void RecordOpeningTest::aSingleGamePgnOpensAtOnceAsAnUntitledGame() {
    MessageAnswerer unexpected(QMessageBox::Ok);
    const std::string path = writeFile(QStringLiteral("one.pgn"), QByteArray(ONE_GAME));
    ChooserAnswerer chooser(QString{}, true);
    w->openRecord(path);
    pump(30);
    QVERIFY(!chooser.seen);
    QCOMPARE(game->recordSize(), 2);
    QCOMPARE(w->gameInfo().redPlayer, std::string("\xBC\xD7"));  // 甲
    // 保存 asks for a name: the PGN it came from is never overwritten.
    QCOMPARE(game->fileName(), std::string(GBK_UNTITLED));
    QVERIFY(shownTitle(*w).contains(QStringLiteral("one.pgn")));
    QVERIFY(!game->modified());
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
}

void RecordOpeningTest::aCollectionOpensTheChosenGame() {
    MessageAnswerer unexpected(QMessageBox::Ok);
    const std::string path = writeFile(QStringLiteral("masters.pgn"), QByteArray(COLLECTION));
    ChooserAnswerer chooser(QStringLiteral("赵国荣"), false);
    w->openRecord(path);
    QVERIFY(chooser.seen);
    QCOMPARE(chooser.listed, 3);
    QCOMPARE(chooser.shown, 1);
    QCOMPARE(game->recordSize(), 1);
    QCOMPARE(w->gameInfo().redPlayer, utf8ToGbkLossy("赵国荣"));
    QCOMPARE(game->fileName(), std::string(GBK_UNTITLED));
    QVERIFY(shownTitle(*w).contains(QStringLiteral("masters.pgn")));

    // The second game, with its comment.
    ChooserAnswerer second(QStringLiteral("胡荣华"), false);
    w->openRecord(path);
    QCOMPARE(second.shown, 1);
    QCOMPARE(game->recordSize(), 2);
    QCOMPARE(game->recordEntry(0)->comment, utf8ToGbkLossy("飞相局"));

    // The game opens as the list read it, though the file is gone meanwhile.
    ChooserAnswerer third(QStringLiteral("吕钦"), false);
    third.whileShown = [&path] { QFile::remove(pathToQt(path)); };
    w->openRecord(path);
    QCOMPARE(third.shown, 1);
    QCOMPARE(game->recordSize(), 4);
    QCOMPARE(w->gameInfo().blackPlayer, utf8ToGbkLossy("吕钦"));
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
}

void RecordOpeningTest::escapeInTheChooserChangesNothing() {
    MessageAnswerer unexpected(QMessageBox::Ok);
    playMoves({CANNON_TO_CENTRE});
    const Board90 board = game->board();
    const QString title = shownTitle(*w);
    const std::string path = writeFile(QStringLiteral("masters.pgn"), QByteArray(COLLECTION));
    ChooserAnswerer chooser(QStringLiteral("许"), true);
    w->openRecord(path);
    QVERIFY(chooser.seen);
    QCOMPARE(game->board(), board);
    QCOMPARE(game->recordSize(), 1);
    QVERIFY(game->modified());
    QCOMPARE(shownTitle(*w), title);
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
}

void RecordOpeningTest::xqfFilesOpen() {
    const QDir samples(QString::fromUtf8(MORLAN_SHARED_DATA "/xqf"));
    const QStringList files = samples.entryList({QStringLiteral("*.XQF"), QStringLiteral("*.xqf")}, QDir::Files);
    if (files.isEmpty()) QSKIP("no XQF samples (../shared/data/xqf)");
    int opened = 0;
    MessageAnswerer answers(QMessageBox::Ok);
    for (const QString& name : files) {
        game->newGame();
        w->openRecord(pathFromQt(samples.absoluteFilePath(name)));
        QVERIFY2(answers.texts.isEmpty(), qPrintable(name + ": " + answers.texts.join(' ')));
        QCOMPARE(game->fileName(), std::string(GBK_UNTITLED));
        QVERIFY2(shownTitle(*w).contains(name), qPrintable(shownTitle(*w)));
        opened += game->recordSize() > 0;
    }
    QCOMPARE(opened, files.size());
}

// As `morlan FILE` does after start-up, the words the shell split at the
// spaces of the path joined again.
void RecordOpeningTest::theCommandLineOpensARecord() {
    MessageAnswerer unexpected(QMessageBox::Ok);
    const std::string path = writeFile(QStringLiteral("two words.pgn"), QByteArray(ONE_GAME));
    const std::string folder = path.substr(0, path.find("two words.pgn"));
    std::string first = folder + "two";
    std::string second = "words.pgn";
    char program[] = "morlan";
    char* argv[] = {program, first.data(), second.data(), nullptr};
    App::instance().openStartFile(parseCommandLine(3, argv).path);
    QCOMPARE(game->recordSize(), 2);
    QVERIFY(shownTitle(*w).contains(QStringLiteral("two words.pgn")));
    // No words: nothing is opened.
    game->newGame();
    playMoves({CANNON_TO_CENTRE});
    App::instance().openStartFile(parseCommandLine(1, argv).path);
    QCOMPARE(game->recordSize(), 1);

    const QDir samples(QString::fromUtf8(MORLAN_SHARED_DATA "/xqf"));
    const QStringList files = samples.entryList({QStringLiteral("*.XQF")}, QDir::Files);
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
    if (files.isEmpty()) QSKIP("no XQF samples (../shared/data/xqf)");
    std::string xqf = pathFromQt(samples.absoluteFilePath(files.first()));
    char* xqfArgv[] = {program, xqf.data(), nullptr};
    game->newGame();
    App::instance().openStartFile(parseCommandLine(2, xqfArgv).path);
    QVERIFY(game->recordSize() > 0);
    QVERIFY(shownTitle(*w).contains(files.first()));
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
}

void RecordOpeningTest::saveAsPgnAndReadItBack() {
    MessageAnswerer unexpected(QMessageBox::Ok);
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    game->setComment(1, utf8ToGbkLossy("屏风马"));
    {
        FileDialogAnswerer dialog(QStringLiteral("record"), PGN_FILTER);
        w->onCommand(CMD_SAVE_AS);
        QVERIFY(dialog.seen);
    }
    QFile file(QStringLiteral("Sav/record.pgn"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("[Game \"Chinese Chess\"]")));
    QVERIFY(text.contains(QStringLiteral("炮二平五")));
    QVERIFY(text.contains(QStringLiteral("马８进７")));
    QVERIFY(text.contains(QStringLiteral("{屏风马}")));
    QVERIFY(!game->modified());

    game->newGame();
    w->openRecord(pathFromQt(QDir::current().absoluteFilePath(QStringLiteral("Sav/record.pgn"))));
    QCOMPARE(game->recordSize(), 3);
    QCOMPARE(game->recordEntry(0)->move, CANNON_TO_CENTRE);
    QCOMPARE(game->recordEntry(2)->move, RED_HORSE_OUT);
    QCOMPARE(game->recordEntry(1)->comment, utf8ToGbkLossy("屏风马"));
    QVERIFY2(unexpected.texts.isEmpty(), qPrintable(unexpected.texts.join(' ')));
}

void RecordOpeningTest::aFailedPgnSaveIsReportedAndKeepsTheMark() {
    playMoves({CANNON_TO_CENTRE});
    {
        FileDialogAnswerer dialog(QStringLiteral("taken"), PGN_FILTER);
        w->onCommand(CMD_SAVE_AS);
        QVERIFY(dialog.seen);
    }
    QVERIFY(!game->modified());
    // Something else takes the name meanwhile: a folder the write cannot replace.
    QVERIFY(QFile::remove(QStringLiteral("Sav/taken.pgn")));
    QVERIFY(QDir().mkpath(QStringLiteral("Sav/taken.pgn/inside")));
    playMoves({BLACK_HORSE_OUT});
    MessageAnswerer answers(QMessageBox::Ok);
    FileDialogAnswerer noDialog{QString{}};
    w->onCommand(CMD_SAVE);
    QVERIFY(!noDialog.seen);
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(answers.texts[0].contains(QStringLiteral("保存文件")) && answers.texts[0].contains("taken.pgn"));
    QCOMPARE(answers.titles.value(0), QStringLiteral("错误"));
    QVERIFY(game->modified());
    QVERIFY(QFileInfo(QStringLiteral("Sav/taken.pgn/inside")).isDir());
}

void RecordOpeningTest::aDroppedFileOpensAfterTheSavePrompt() {
    const std::string one = writeFile(QStringLiteral("one.pgn"), QByteArray(ONE_GAME));
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT, RED_HORSE_OUT});
    {
        // Cancel: nothing changes.
        MessageAnswerer answers(QMessageBox::Cancel);
        QVERIFY(dropFile(*w, one));
        QCOMPARE(answers.texts, QStringList{QStringLiteral("保存当前对局吗？")});
        QCOMPARE(game->recordSize(), 3);
    }
    {
        MessageAnswerer answers(QMessageBox::No);
        QVERIFY(dropFile(*w, one));
        QCOMPARE(answers.texts.size(), 1);
        QCOMPARE(game->recordSize(), 2);
        QVERIFY(shownTitle(*w).contains(QStringLiteral("one.pgn")));
    }
    // A collection dropped opens its chooser; an unmodified game asks nothing.
    const std::string many = writeFile(QStringLiteral("masters.pgn"), QByteArray(COLLECTION));
    MessageAnswerer answers(QMessageBox::Ok);
    ChooserAnswerer chooser(QStringLiteral("吕钦"), false);
    QVERIFY(dropFile(*w, many));
    QVERIFY(chooser.seen);
    QVERIFY(answers.texts.isEmpty());
    QCOMPARE(game->recordSize(), 4);
    // A missing or damaged file dropped gets the opening's messages.
    const std::string bad = writeFile(QStringLiteral("bad.pgn"), QByteArray("1. 炮二进九 *\n"));
    QVERIFY(dropFile(*w, bad));
    QCOMPARE(answers.texts.size(), 1);
    QVERIFY(answers.texts[0].contains(QStringLiteral("文件格式不正确")));
    QCOMPARE(game->recordSize(), 4);
}

void RecordOpeningTest::dropsThatAreRefused() {
    const std::string one = writeFile(QStringLiteral("one.pgn"), QByteArray(ONE_GAME));
    playMoves({CANNON_TO_CENTRE});
    MessageAnswerer answers(QMessageBox::No);
    QMimeData text;
    text.setText(QStringLiteral("1. 炮二平五"));
    QVERIFY(!dropOn(*w, text));
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(pathToQt(one)), QUrl::fromLocalFile(pathToQt(one))});
    QVERIFY(!dropOn(*w, two));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/a.pgn"))});
    QVERIFY(!dropOn(*w, remote));
    // While set-up is open 打开 is grey, and a drop is not taken either.
    w->setSetupOpen(true);
    w->updateCommands();
    QVERIFY(!dropFile(*w, one));
    w->setSetupOpen(false);
    w->updateCommands();
    QVERIFY(answers.texts.isEmpty());
    QCOMPARE(game->recordSize(), 1);
}

SHELL_TEST(RecordOpeningTest);
#include "record_opening_test.moc"
