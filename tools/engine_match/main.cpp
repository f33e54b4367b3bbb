// morlan-engine-match: the desktop program playing an outside engine, or
// letting one analyse, under a real display (tools/engine_match.sh starts
// one with Xvfb). Everything goes the program's own way: the engine list,
// the game's computer moves with their slides, the end-of-game message.
//
//   morlan-engine-match match ENGINE [--engine-red] [--clock CONTROL]
//       a whole game at 初级 (2 seconds a move), or both sides under the
//       time control CONTROL as a PGN tag writes it ("60+1"): the built-in
//       engine against ENGINE; prints the result, the plies, the time, how
//       the game ended, the least time the built-in side had left after a
//       move, and whether the saved game reads back with every move.
//   morlan-engine-match analyse ENGINE SECONDS
//       ENGINE analyses the start position with three lines for SECONDS;
//       prints the program's pid first, so its use can be measured.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "engine/engine.h"
#include "game/game.h"
#include "game/time_control.h"
#include "shell/main_window/app.h"
#include "engines/engine_roster.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/situation_window.h"
#include "shell/platform/qt_text.h"
#include "tools/screen_shots/screen_shots.h"

namespace {

// Answers the end-of-game message (and any other) with its first button.
QString answerMessages() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return {};
    const QString text = box->text();
    box->button(box->standardButtons() & QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::No)->click();
    return text;
}

void useEngine(const QString& program, bool asAnalyst, int lines = 1) {
    EngineRoster& roster = MainWindow::instance().engines();
    EngineList list = roster.list();
    int i = list.find(program);
    if (i < 0) {
        EngineEntry e;
        e.name = QFileInfo(program).fileName();
        e.path = program;
        i = list.add(e);
    }
    list.at(i).values[QStringLiteral("MultiPV")] = QString::number(lines);
    list.setPlayer(asAnalyst ? 0 : i);
    list.setAnalyst(asAnalyst ? i : 0);
    roster.applyList(list);
}

std::vector<PackedMove> recordMoves(const Game& game) {
    std::vector<PackedMove> moves;
    for (int i = 0; i < game.recordSize(); ++i) moves.push_back(game.recordEntry(i)->move);
    return moves;
}

// The least main time the side had left after one of its moves, -1 when
// the game kept no clock for it.
long long leastLeft(const Game& game, Side side) {
    long long least = -1;
    for (int ply = 0; ply < game.recordSize(); ++ply) {
        if (((game.startSide() ^ ply) & 1) != (side & 1)) continue;
        const long long left = game.clocks().leftAfter(ply);
        if (left >= 0 && (least < 0 || left < least)) least = left;
    }
    return least;
}

int match(const QString& program, bool engineRed, const TimeControl& control) {
    Game& game = Game::instance();
    MainWindow& window = MainWindow::instance();
    useEngine(program, false);
    EngineSession* outside = window.engines().player();
    if (!outside) return 2;
    game.setMode(MODE_TWO_HUMANS);
    game.setLevel(LEVEL_BEGINNER);
    game.setPonderEnabled(false);
    game.setTimeControls(control, control);
    game.newGame();
    const Side engineSide = engineRed ? SIDE_RED : SIDE_BLACK;
    QElapsedTimer clock;
    clock.start();
    QString verdict;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        const QString message = answerMessages();
        if (!message.isEmpty()) verdict = message;
        if (game.result() != RESULT_IN_PLAY) {
            driver.stop();
            QApplication::exit(0);
            return;
        }
        if (game.thinkingStatus() != THINKING_IDLE || window.isAnimating() || App::instance().idleSuspended()) return;
        // The outside engine plays its side, the built-in engine the other.
        EngineSession* player = window.engines().player();
        if (game.sideToMove() == engineSide && !player) {  // it failed: the built-in engine plays on for it
            std::printf("the outside engine failed at ply %d\n", game.moveCount());
        }
        game.setOutsideEngines(game.sideToMove() == engineSide ? player : nullptr, nullptr);
        game.computerMove();
    });
    driver.start(50);
    QApplication::exec();
    const double seconds = clock.elapsed() / 1000.0;
    const std::vector<PackedMove> played = recordMoves(game);
    const GameResult result = game.result();
    const EndReason endOf = game.lastEnd().reason;
    const long long least = leastLeft(game, engineRed ? SIDE_BLACK : SIDE_RED);
    game.saveFile("match.sav");
    game.openFile("match.sav");
    const bool kept = recordMoves(game) == played;
    const char* names[] = {"in play", "Red wins", "Black wins", "draw"};
    const QString red = engineRed ? outside->name() : QStringLiteral("Morlan");
    const QString black = engineRed ? QStringLiteral("Morlan") : outside->name();
    std::printf("red %s, black %s: %s (%s) after %d plies in %.0f s; saved game read back with every move: %s\n",
                qPrintable(red), qPrintable(black), names[result], qPrintable(verdict), static_cast<int>(played.size()),
                seconds, kept ? "yes" : "NO");
    std::printf("end: %s; built-in side's least time left after a move: %lld ms\n",
                endReasonName(endOf), least);
    return kept ? 0 : 1;
}

int analyse(const QString& program, int seconds) {
    Game& game = Game::instance();
    MainWindow& window = MainWindow::instance();
    useEngine(program, true, 3);
    game.setMode(MODE_TWO_HUMANS);
    game.newGame();
    SituationWindow::instance().open();
    std::printf("pid %lld\n", static_cast<long long>(QApplication::applicationPid()));
    std::fflush(stdout);
    game.analyse();
    QTimer::singleShot(seconds * 1000, [&] {
        const EngineSession* s = window.engines().analyst();
        const int lines = s ? static_cast<int>(s->lines().size()) : 0;
        const int depth = s && lines > 0 ? s->lines()[0].depth : -1;
        std::printf("analysed %d s: %d lines, depth %d, status %d\n", seconds, lines, depth, int(game.thinkingStatus()));
        game.stopThinking();
        QApplication::exit(0);
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: %s match ENGINE [--engine-red] [--clock CONTROL] | analyse ENGINE SECONDS\n", argv[0]);
        return 2;
    }
    QTimer idle;
    startProgram(idle);
    MainWindow::instance().move(20, 20);
    pump(300);
    const QString program = QFileInfo(args[2]).absoluteFilePath();
    int code = 2;
    TimeControl control;
    if (const int at = static_cast<int>(args.indexOf(QStringLiteral("--clock"))); at >= 0 && at + 1 < args.size()) {
        const auto parsed = parsePgnTimeControl(args[at + 1].toStdString());
        if (!parsed) {
            std::fprintf(stderr, "not a time control: %s\n", qPrintable(args[at + 1]));
            return 2;
        }
        control = *parsed;
    }
    if (args[1] == QLatin1String("match")) code = match(program, args.contains(QStringLiteral("--engine-red")), control);
    if (args[1] == QLatin1String("analyse")) code = analyse(program, args.size() > 3 ? args[3].toInt() : 60);
    Game::instance().setModified(false);
    MainWindow::instance().close();
    return code;
}
