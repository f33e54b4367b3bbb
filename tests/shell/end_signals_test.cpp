// The program ended from outside (a desktop logout's SIGTERM, a closed
// terminal's SIGHUP): a first run is ended by the signal with an unsaved
// game, and a second run, started as the program starts, says where the
// game went.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "game/game.h"
#include "game/game_file.h"
#include "game/settings_file.h"
#include "shell/main_window/app.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

namespace {

constexpr char FOLDER_VARIABLE[] = "MORLAN_END_SIGNAL_FOLDER";
constexpr char SIGNAL_VARIABLE[] = "MORLAN_END_SIGNAL";
constexpr PackedMove CENTRE_CANNON = packMove(1, 2, 4, 2);

}  // namespace

class EndSignalsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anUnsavedGameAndTheSettingsOutliveTheSignal_data();
    void anUnsavedGameAndTheSettingsOutliveTheSignal();
};

void EndSignalsTest::anUnsavedGameAndTheSettingsOutliveTheSignal_data() {
    QTest::addColumn<int>("sig");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void EndSignalsTest::anUnsavedGameAndTheSettingsOutliveTheSignal() {
    QFETCH(int, sig);
    const QString home = QDir::currentPath();
    const QString folder = QDir(home).absoluteFilePath(QString::number(sig));
    QVERIFY(QDir().mkpath(folder));
    QDir::setCurrent(folder);
    qputenv(SIGNAL_VARIABLE, QByteArray::number(sig));

    int exitCode = -1;
    const QStringList ended = secondRunLines("EndSignalFirstRun", FOLDER_VARIABLE, QStringLiteral("ended: "), &exitCode);
    QCOMPARE(ended, QStringList{QStringLiteral("0")});
    QCOMPARE(exitCode, 0);
    QVERIFY(QFile::exists(QStringLiteral("Tevrin.cfg")));
    const QStringList saved = QDir(QStringLiteral("Sav")).entryList(QDir::Files);
    QCOMPARE(saved.size(), 1);
    QVERIFY2(saved[0].startsWith(QStringLiteral("恢复-")) && saved[0].endsWith(QStringLiteral(".sav")), qPrintable(saved[0]));
    GameFile file;
    QCOMPARE(file.load(("Sav/" + saved[0]).toStdString()), 0);
    QCOMPARE(file.document().moves.size(), std::size_t{1});
    QCOMPARE(file.document().moves[0].move, CENTRE_CANNON);

    // The next start names the file, once.
    const QStringList said = secondRunLines("EndSignalSecondRun", FOLDER_VARIABLE, QStringLiteral("message: "), &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].contains(QDir(folder).absoluteFilePath("Sav/" + saved[0])), qPrintable(said[0]));
    SettingsFile settings;
    QVERIFY(settings.load());
    QVERIFY(!settings.settings().recoveryFile);
    QDir::setCurrent(home);
}

SHELL_TEST(EndSignalsTest);

// The first run: plays a move, leaves it unsaved and is sent the signal
// while its event loop runs.
class EndSignalFirstRun : public QObject {
    Q_OBJECT
public:
    EndSignalFirstRun() { enterFirstRunFolder(FOLDER_VARIABLE); }
private Q_SLOTS:
    void endedBySignal() {
        App::instance().init();
        Game& game = Game::instance();
        game.setMode(MODE_TWO_HUMANS);
        QVERIFY(game.tryUserMove(CENTRE_CANNON));
        game.setModified(true);
        const int sig = qEnvironmentVariableIntValue(SIGNAL_VARIABLE);
        QTimer::singleShot(50, [sig] { std::raise(sig); });
        const int code = App::instance().run();
        std::printf("ended: %d\n", code);
        std::fflush(stdout);
    }
};

static ShellTestRegistration firstRun("EndSignalFirstRun", [] { return static_cast<QObject*>(new EndSignalFirstRun); });

// The second run: starts as the program starts and reports its messages.
class EndSignalSecondRun : public QObject {
    Q_OBJECT
public:
    EndSignalSecondRun() { enterFirstRunFolder(FOLDER_VARIABLE); }
private Q_SLOTS:
    void startsAsTheProgramStarts() {
        MessageAnswerer answerer(QMessageBox::Ok);
        App::instance().init();
        QVERIFY(pumpUntil([&] { return !answerer.texts.isEmpty(); }, 5000));
        pump(100);
        for (const QString& text : answerer.texts) std::printf("message: %s\n", qPrintable(text));
        std::fflush(stdout);
        Game::instance().setModified(false);
        MainWindow::instance().close();
    }
};

static ShellTestRegistration secondRun("EndSignalSecondRun", [] { return static_cast<QObject*>(new EndSignalSecondRun); });
#include "end_signals_test.moc"
