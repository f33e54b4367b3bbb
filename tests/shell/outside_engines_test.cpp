// Outside engines in the program, with real engines (fairy-stockfish and
// the engine command) and the client's fake engine: a computer move found
// outside and played through the game, an analysis with several lines in
// the situation window and its arrow on the board, a failing engine
// reported with the built-in engine taking over, a damaged Engines.json,
// the options form, and the communication log's limit.
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QComboBox>
#include <QTest>
#include <QWheelEvent>
#include <QTreeWidget>

#include "engine/engine.h"
#include "engine/service.h"
#include "game/game.h"
#include "outside_engines_support.h"
#include "shell/board/board_view.h"
#include "shell/windows/engine_lines_panel.h"
#include "engines/engine_log.h"
#include "shell/windows/engine_log_window.h"
#include "shell/dialogs/engine_options_dialog.h"
#include "engines/engine_roster.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/windows/situation_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class OutsideEnginesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void aComputerMoveByAnOutsideEngineIsPlayedThroughTheGame_data();
    void aComputerMoveByAnOutsideEngineIsPlayedThroughTheGame();
    void moveNowAsksTheEngineForItsMove();
    void anAnswerWaitsWhileAQuestionIsOpen();
    void analysisShowsSeveralLinesAndTheArrow();
    void aFailingEngineIsReportedAndTheBuiltInEngineTakesOver_data();
    void aFailingEngineIsReportedAndTheBuiltInEngineTakesOver();
    void aDamagedListIsReportedAndSetAside();
    void theOptionsFormKeepsOnlyChangedValues();
    void theWheelTurnsOnlyAFocusedField();
    void theLogKeepsTheLatestLines();

private:
    MainWindow* w = nullptr;
    Game* game = nullptr;
    EngineRoster& roster() { return w->engines(); }
    bool logHas(const QString& text);
};

namespace {

// Fast enough for a test, long enough for a real search.
constexpr SearchRequest TEST_LIMITS{LIMIT_DEPTH, 6, 0};

// Whether the record replays legally from the start position.
bool recordIsLegal(const Game& g) {
    Board90 board = g.startBoard();
    Side side = g.startSide();
    for (int i = 0; i < g.moveCount(); ++i) {
        Engine& rules = plainEngine();
        rules.setPosition(board, side);
        if (!rules.tryMove(g.recordEntry(i)->move)) return false;
        rules.exportBoard90(board);
        side ^= 1;
    }
    return board == g.board();
}

}  // namespace

void OutsideEnginesTest::init() {
    w = &freshGame();
    game = &Game::instance();
    useBuiltInEngine(roster());
    thinkingEngine().setLimits(TEST_LIMITS);
}

void OutsideEnginesTest::cleanup() {
    game->stopThinking();
    useBuiltInEngine(roster());
    SituationWindow::instance().close();
    pump(50);
}

bool OutsideEnginesTest::logHas(const QString& text) {
    const EngineLog& log = roster().log();
    for (const EngineLog::Line& line : log.lines()) {
        if (line.text.contains(text)) return true;
    }
    return false;
}

void OutsideEnginesTest::aComputerMoveByAnOutsideEngineIsPlayedThroughTheGame_data() {
    QTest::addColumn<QString>("program");
    QTest::newRow("fairy-stockfish") << fairyStockfish();
    QTest::newRow("morlan-engine") << morlanEngine();
}

void OutsideEnginesTest::aComputerMoveByAnOutsideEngineIsPlayedThroughTheGame() {
    QFETCH(QString, program);
    if (program.isEmpty()) QSKIP("fairy-stockfish is not installed (apt-get install fairy-stockfish)");
    QVERIFY(useEngine(roster(), program));
    QVERIFY(game->outsidePlayer() != nullptr);
    playMoves({CANNON_TO_CENTRE});
    SituationWindow::instance().open();
    game->computerMove();
    QCOMPARE(game->thinkingStatus(), THINKING_MOVE);
    QVERIFY(!w->mainMenu().isEnabled(40089));  // 电脑走子 grey while it thinks
    QVERIFY(pumpUntil([&] { return game->moveCount() == 2 && !w->isAnimating(); }, 30000));
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QVERIFY(recordIsLegal(*game));
    QVERIFY(isBlackPiece(game->board()[boardIndex(moveTo(game->recordEntry(1)->move).file,
                                                  moveTo(game->recordEntry(1)->move).rank)]));
    QVERIFY(game->modified());
    QCOMPARE(w->boardView().viewBoard(), game->board());
    QVERIFY(thinkingEngine().state() == STATE_IDLE);  // the built-in engine stayed out of it
    // The position went out as FEN with the record's moves.
    QVERIFY(logHas(QStringLiteral("position fen")));
    QVERIFY(logHas(QStringLiteral(" moves h")));  // 炮二平五, its ranks counted as the engine counts them
    QVERIFY(logHas(QStringLiteral("bestmove")));
    // The situation window names the engine that played.
    EngineLinesPanel* panel = SituationWindow::instance().linesPanel();
    QVERIFY(panel);
    QVERIFY(pumpUntil([&] { return !panel->nameLabel()->text().isEmpty(); }, 2000));
}

void OutsideEnginesTest::anAnswerWaitsWhileAQuestionIsOpen() {
    QVERIFY(useEngine(roster(), fakeEngine(QStringLiteral("good"))));
    {
        ModalScope question;  // the save prompt, say
        game->computerMove();
        QVERIFY(pumpUntil([&] { return logHas(QStringLiteral("bestmove h2e2")); }, 10000));
        pump(100);
        QCOMPARE(game->moveCount(), 0);
    }
    QVERIFY(pumpUntil([&] { return game->moveCount() == 1; }, 10000));
    QVERIFY(recordIsLegal(*game));
}

void OutsideEnginesTest::moveNowAsksTheEngineForItsMove() {
    if (fairyStockfish().isEmpty()) QSKIP("fairy-stockfish is not installed");
    QVERIFY(useEngine(roster(), fairyStockfish()));
    thinkingEngine().setLimits({LIMIT_TIME, 0, 60});
    game->computerMove();
    QVERIFY(pumpUntil([&] { return logHas(QStringLiteral("go movetime 60000")); }, 10000));
    pump(300);
    QVERIFY(w->mainMenu().isEnabled(40088));  // 立即出招
    w->onCommand(40088);
    QVERIFY(pumpUntil([&] { return game->moveCount() == 1; }, 10000));
    QVERIFY(recordIsLegal(*game));
    // 停止思考 plays nothing.
    thinkingEngine().setLimits({LIMIT_TIME, 0, 60});
    game->computerMove();
    pump(300);
    w->onCommand(40166);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    pump(500);
    QCOMPARE(game->moveCount(), 1);
}

void OutsideEnginesTest::analysisShowsSeveralLinesAndTheArrow() {
    if (fairyStockfish().isEmpty()) QSKIP("fairy-stockfish is not installed");
    QVERIFY(useEngine(roster(), fairyStockfish()));
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT});
    SituationWindow& situation = SituationWindow::instance();
    situation.open();
    EngineLinesPanel* panel = situation.linesPanel();
    QVERIFY(panel);
    w->onCommand(40145);  // 分析棋局
    QCOMPARE(game->thinkingStatus(), THINKING_ANALYSIS);
    QVERIFY(!w->mainMenu().isEnabled(40088));
    QVERIFY(pumpUntil([&] { return panel->lineList()->topLevelItemCount() >= 1; }, 15000));
    QVERIFY(panel->countBox()->isEnabled());  // fairy-stockfish offers MultiPV
    panel->countBox()->setValue(3);
    QVERIFY(logHas(QStringLiteral("go infinite")));
    QVERIFY(pumpUntil([&] { return panel->lineList()->topLevelItemCount() == 3; }, 15000));
    QVERIFY(logHas(QStringLiteral("MultiPV value 3")));
    // Each line in Chinese notation, its first move legal on the board.
    const EngineSession* s = roster().analyst();
    QVERIFY(s);
    QCOMPARE(int(s->lines().size()), 3);
    for (const EngineInfo& line : s->lines()) {
        Engine& rules = plainEngine();
        rules.setPosition(game->board(), game->sideToMove());
        QVERIFY(!line.pv.empty() && rules.tryMove(line.pv[0]));
    }
    const QString first = panel->lineList()->topLevelItem(0)->text(3);
    QVERIFY2(first.contains(QChar(0x8FDB)) || first.contains(QChar(0x5E73)) || first.contains(QChar(0x9000)),
             qPrintable(first));  // 进, 平 or 退
    QVERIFY(panel->nameLabel()->text().contains(QStringLiteral("Fairy-Stockfish")));
    QVERIFY(panel->statsLabel()->text().contains(QStringLiteral("深度")));
    // The best line's first move as an arrow on the board.
    BoardView& view = w->boardView();
    QVERIFY(pumpUntil([&] { return view.arrowShown(); }, 5000));
    QCOMPARE(view.arrow(), s->lines()[0].pv[0]);
    // Stepping through the variation, as for the built-in engine.
    QVERIFY(pumpUntil([&] { return situation.variation().size() >= 2; }, 5000));
    situation.applyStep(2);
    QVERIFY(view.viewBoard() != game->board());
    QVERIFY(!view.arrowShown());  // not over a preview
    situation.applyStep(0);
    QCOMPARE(view.viewBoard(), game->board());
    // Another line becomes the variation.
    panel->lineList()->setCurrentItem(panel->lineList()->topLevelItem(1));
    QVERIFY(pumpUntil([&] { return !situation.variation().empty(); }, 2000));
    // The arrow can be switched off in 查看.
    QAction* arrowItem = w->mainMenu().action(40172);
    arrowItem->trigger();
    QVERIFY(!roster().list().showArrow);
    QVERIFY(!view.arrowShown());
    arrowItem->trigger();
    QVERIFY(roster().list().showArrow);
    // 停止思考 ends it and the arrow goes; the game is untouched.
    w->onCommand(40166);
    QCOMPARE(game->thinkingStatus(), THINKING_IDLE);
    QVERIFY(!view.arrowShown());
    QVERIFY(pumpUntil([&] { return logHas(QStringLiteral(": stop")); }, 2000));
    QCOMPARE(game->moveCount(), 2);
    // The number of lines is kept for the engine.
    QCOMPARE(roster().list().at(1).values.value(QStringLiteral("MultiPV")), QStringLiteral("3"));
}

void OutsideEnginesTest::aFailingEngineIsReportedAndTheBuiltInEngineTakesOver_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("crash") << QStringLiteral("crash");
    QTest::newRow("illegal move") << QStringLiteral("illegal");
    QTest::newRow("garbage") << QStringLiteral("garbage");
}

void OutsideEnginesTest::aFailingEngineIsReportedAndTheBuiltInEngineTakesOver() {
    QFETCH(QString, mode);
    QVERIFY(useEngine(roster(), fakeEngine(mode)));
    MessageAnswerer answerer(QMessageBox::Ok);
    game->computerMove();
    QVERIFY(pumpUntil([&] { return !answerer.texts.isEmpty(); }, 20000));
    QVERIFY2(answerer.texts[0].contains(QStringLiteral("内置引擎 Morlan")), qPrintable(answerer.texts[0]));
    QCOMPARE(answerer.titles[0], QStringLiteral("错误"));
    QCOMPARE(game->outsidePlayer(), nullptr);
    QCOMPARE(roster().player(), nullptr);
    // The built-in engine plays the move the failing one owed.
    QVERIFY(pumpUntil([&] { return game->moveCount() == 1 && !w->isAnimating(); }, 30000));
    QVERIFY(recordIsLegal(*game));
    QVERIFY(game->recordEntry(0)->move != packMove(0, 0, 0, 5));  // the fake's illegal a0a5
    QVERIFY(logHas(QStringLiteral("Fake Engine")) || logHas(QStringLiteral("fake-")));
    // The list keeps the engine's roles for the next run.
    QVERIFY(roster().list().player() > 0);
}

void OutsideEnginesTest::aDamagedListIsReportedAndSetAside() {
    const QByteArray damaged = "{\"engines\": [ {\"name\": \"Mine\", \"path\": \"/opt/mine\" ";
    {
        QFile f(QString::fromLatin1(ENGINE_LIST_FILE));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(damaged);
    }
    QFile::remove(QStringLiteral("Engines.json.bad"));
    MessageAnswerer answerer(QMessageBox::Ok);
    w->loadEngineList();
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(answerer.texts[0].contains(QStringLiteral("Engines.json")));
    QVERIFY(answerer.texts[0].contains(QStringLiteral("Engines.json.bad")));
    QCOMPARE(roster().list().size(), 1);
    QCOMPARE(game->outsidePlayer(), nullptr);
    // Nothing the user had is lost: the damaged file is kept as it was.
    QFile kept(QStringLiteral("Engines.json.bad"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), damaged);
    // The next change writes a good list without touching the kept file.
    roster().setShowArrow(false);
    roster().setShowArrow(true);
    EngineList back;
    QCOMPARE(back.load(QString::fromLatin1(ENGINE_LIST_FILE)), EngineList::LoadResult::Loaded);
    QVERIFY(QFile::exists(QStringLiteral("Engines.json.bad")));
}

void OutsideEnginesTest::theOptionsFormKeepsOnlyChangedValues() {
    EngineEntry e;
    e.name = QStringLiteral("Fake");
    e.path = QStringLiteral("/x");
    e.options = {{QStringLiteral("Hash"), EngineOption::SPIN, QStringLiteral("16"), 1, 1024, {}},
                 {QStringLiteral("Ponder"), EngineOption::CHECK, QStringLiteral("false"), 0, 0, {}},
                 {QStringLiteral("Style"), EngineOption::COMBO, QStringLiteral("Normal"), 0, 0,
                  {QStringLiteral("Solid"), QStringLiteral("Normal")}},
                 {QStringLiteral("MultiPV"), EngineOption::SPIN, QStringLiteral("1"), 1, 5, {}},
                 {QStringLiteral("UCI_Variant"), EngineOption::COMBO, QStringLiteral("chess"), 0, 0, {}},
                 {QStringLiteral("Clear Hash"), EngineOption::BUTTON, {}, 0, 0, {}}};
    e.values[QStringLiteral("Hash")] = QStringLiteral("64");
    e.values[QStringLiteral("MultiPV")] = QStringLiteral("3");
    EngineOptionsDialog form(e, w);
    // The program's own options and buttons are not in the form.
    QVERIFY(!form.field(QStringLiteral("MultiPV")));
    QVERIFY(!form.field(QStringLiteral("UCI_Variant")));
    QVERIFY(!form.field(QStringLiteral("Clear Hash")));
    auto* hash = qobject_cast<QSpinBox*>(form.field(QStringLiteral("Hash")));
    QVERIFY(hash);
    QCOMPARE(hash->value(), 64);
    QCOMPARE(hash->maximum(), 1024);
    hash->setValue(5000);  // beyond the engine's range: held at its maximum
    QMap<QString, QString> values = form.values();
    QCOMPARE(values.value(QStringLiteral("Hash")), QStringLiteral("1024"));
    QVERIFY(!values.contains(QStringLiteral("Ponder")));       // left at its default
    QCOMPARE(values.value(QStringLiteral("MultiPV")), QStringLiteral("3"));  // kept from 局势
    form.restoreDefaults();
    values = form.values();
    QVERIFY(!values.contains(QStringLiteral("Hash")));
}

// Scrolling the form past a number box or a list leaves it as it was;
// once clicked into, the wheel changes it.
void OutsideEnginesTest::theWheelTurnsOnlyAFocusedField() {
    EngineEntry e;
    e.name = QStringLiteral("Fake");
    e.path = QStringLiteral("/x");
    e.options = {{QStringLiteral("Slow Mover"), EngineOption::SPIN, QStringLiteral("84"), 10, 1000, {}},
                 {QStringLiteral("Style"), EngineOption::COMBO, QStringLiteral("Normal"), 0, 0,
                  {QStringLiteral("Solid"), QStringLiteral("Normal"), QStringLiteral("Risky")}}};
    EngineOptionsDialog form(e, w);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const auto turn = [](QWidget* field) {
        const QPointF at(field->width() / 2.0, field->height() / 2.0);
        QWheelEvent wheel(at, field->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(field, &wheel);
    };
    auto* mover = qobject_cast<QSpinBox*>(form.field(QStringLiteral("Slow Mover")));
    auto* style = qobject_cast<QComboBox*>(form.field(QStringLiteral("Style")));
    QVERIFY(mover && style);
    form.setFocus();
    turn(mover);
    turn(style);
    QCOMPARE(mover->value(), 84);
    QCOMPARE(style->currentText(), QStringLiteral("Normal"));
    mover->setFocus();
    turn(mover);
    QCOMPARE(mover->value(), 83);
    style->setFocus();
    turn(style);
    QCOMPARE(style->currentText(), QStringLiteral("Risky"));
}

void OutsideEnginesTest::theLogKeepsTheLatestLines() {
    EngineLog& log = roster().log();
    log.clear();
    const std::uint64_t before = log.total();
    EngineLogWindow& window = EngineLogWindow::instance();
    window.open();
    for (int i = 0; i < 1500; ++i) log.append(i % 2 == 0, QStringLiteral("E: line %1").arg(i));
    toolIdle();
    for (int i = 1500; i < 2600; ++i) log.append(i % 2 == 0, QStringLiteral("E: line %1").arg(i));
    toolIdle();
    const int capacity = static_cast<int>(EngineLog::CAPACITY);
    QCOMPARE(capacity, 2000);
    QCOMPARE(int(log.lines().size()), capacity);
    QCOMPARE(log.total() - before, std::uint64_t(2600));
    auto* text = window.text();
    QVERIFY(text);
    QCOMPARE(text->document()->blockCount(), capacity);
    QVERIFY(text->toPlainText().startsWith(QStringLiteral("> E: line 600\n")));
    QVERIFY(text->toPlainText().endsWith(QStringLiteral("< E: line 2599")));
    // Reopened, it shows the same latest lines.
    window.close();
    window.open();
    QCOMPARE(window.text()->document()->blockCount(), capacity);
    window.close();
    log.clear();
}

SHELL_TEST(OutsideEnginesTest);
#include "outside_engines_test.moc"
