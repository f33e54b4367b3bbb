// The engine manager through two runs of the program: the first run adds
// two engines in the manager (the handshake fills in their names), removes
// one, sets an option and the roles, and closes; a second process starts as
// the program starts, from the same folder, and reports the engines it
// finds and the engine the game plays with.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "game/game.h"
#include "outside_engines_support.h"
#include "shell/main_window/app.h"
#include "shell/dialogs/engine_manager_dialog.h"
#include "shell/dialogs/engine_options_dialog.h"
#include "engines/engine_roster.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

namespace {

constexpr char FOLDER_VARIABLE[] = "MORLAN_ENGINES_FOLDER";

QStringList describe() {
    QStringList lines;
    const EngineList& list = MainWindow::instance().engines().list();
    for (int i = 0; i < list.size(); ++i) {
        const EngineEntry& e = list.at(i);
        QStringList values;
        for (auto it = e.values.begin(); it != e.values.end(); ++it) values << it.key() + '=' + it.value();
        lines << QStringLiteral("%1|%2|%3|%4").arg(e.name, e.path, e.protocol, values.join(','));
    }
    lines << QStringLiteral("player %1 analyst %2 arrow %3").arg(list.player()).arg(list.analyst()).arg(list.showArrow);
    lines << QStringLiteral("game plays outside %1").arg(Game::instance().outsidePlayer() != nullptr);
    return lines;
}

// Clicks OK in the manager once it is open.
void acceptLater() {
    QTimer::singleShot(50, [] {
        auto* dialog = dynamic_cast<EngineManagerDialog*>(QApplication::activeModalWidget());
        if (!dialog) return acceptLater();
        dialog->accept();
    });
}

}  // namespace

class EngineManagerRoundTripTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enginesOptionsAndRolesSurviveTheNextRun();
};

void EngineManagerRoundTripTest::enginesOptionsAndRolesSurviveTheNextRun() {
    if (fairyStockfish().isEmpty()) QSKIP("fairy-stockfish is not installed (apt-get install fairy-stockfish)");
    MainWindow& w = freshGame();
    EngineRoster& roster = w.engines();
    EngineManagerDialog dialog(roster.list(), &w);
    QCOMPARE(dialog.engineList()->topLevelItemCount(), 1);
    QCOMPARE(dialog.engineList()->topLevelItem(0)->text(0), QStringLiteral("Morlan"));
    for (const QString& program : {fairyStockfish(), morlanEngine()}) {
        QVERIFY(dialog.addProgram(program));
        QVERIFY(pumpUntil([&] { return !dialog.adding(); }, 20000));
    }
    QCOMPARE(dialog.list().size(), 3);
    QVERIFY(dialog.list().at(1).name.startsWith(QStringLiteral("Fairy-Stockfish")));
    QVERIFY(dialog.list().at(2).name.startsWith(QStringLiteral("Morlan")));
    // The same program twice is refused with a message.
    {
        MessageAnswerer answerer(QMessageBox::Ok);
        QVERIFY(!dialog.addProgram(fairyStockfish()));
        QCOMPARE(answerer.texts.size(), 1);
    }
    // The built-in engine cannot be removed; the engine command can.
    dialog.select(0);
    dialog.removeSelected();
    QCOMPARE(dialog.list().size(), 3);
    dialog.select(2);
    dialog.removeSelected();
    QCOMPARE(dialog.list().size(), 2);
    // An option through the form, as 选项 opens it.
    QTimer::singleShot(100, [] {
        auto* form = dynamic_cast<EngineOptionsDialog*>(QApplication::activeModalWidget());
        QVERIFY(form);
        auto* hash = qobject_cast<QSpinBox*>(form->field(QStringLiteral("Hash")));
        QVERIFY(hash);
        hash->setValue(32);
        form->accept();
    });
    dialog.select(1);
    dialog.editOptions();
    QCOMPARE(dialog.list().at(1).values.value(QStringLiteral("Hash")), QStringLiteral("32"));
    dialog.playerChoice()->setCurrentIndex(1);
    Q_EMIT dialog.playerChoice()->activated(1);
    QCOMPARE(dialog.list().player(), 1);
    QCOMPARE(dialog.list().analyst(), 0);
    roster.applyList(dialog.list());
    QVERIFY(QFile::exists(QStringLiteral("Engines.json")));
    QVERIFY(Game::instance().outsidePlayer() != nullptr);
    // Through the menu: OK without changes keeps the list as it is.
    acceptLater();
    w.onCommand(40170);
    const QStringList first = describe();
    QVERIFY(first.contains(QStringLiteral("player 1 analyst 0 arrow 1")));
    Game::instance().setModified(false);
    w.close();

    int exitCode = 0;
    const QStringList found = secondRunLines("EngineManagerSecondRun", FOLDER_VARIABLE, QStringLiteral("engines: "), &exitCode);
    QCOMPARE(exitCode, 0);
    QCOMPARE(found, first);
}

SHELL_TEST(EngineManagerRoundTripTest);

// The second run: started by the test above, never on its own.
class EngineManagerSecondRun : public QObject {
    Q_OBJECT
public:
    EngineManagerSecondRun() {
        enterFirstRunFolder(FOLDER_VARIABLE);
    }
private Q_SLOTS:
    void startAsTheProgramStarts() {
        QVERIFY(!qgetenv(FOLDER_VARIABLE).isEmpty());
        App::instance().init();
        pump(100);
        for (const QString& line : describe()) std::printf("engines: %s\n", qPrintable(line));
        std::fflush(stdout);
        Game::instance().setModified(false);
        MainWindow::instance().close();
    }
};

static ShellTestRegistration secondRun("EngineManagerSecondRun",
                                       [] { return static_cast<QObject*>(new EngineManagerSecondRun); });
#include "engine_manager_round_trip_test.moc"
