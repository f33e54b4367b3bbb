// The main window's side of the tool windows: what the game model asks of
// the clock, game-information, situation and set-up windows and of the
// level dialog goes to them from here, and so do their idle steps and the
// placements the settings file keeps.
#include "game/game_info.h"
#include "game/stored_settings.h"
#include "shell/dialogs/explorer_window.h"
#include "shell/windows/book_window.h"
#include "shell/windows/engine_log_window.h"
#include "shell/windows/game_info_window.h"
#include "shell/dialogs/level_dialog.h"
#include "shell/main_window/main_window.h"
#include "shell/dialogs/score_graph_window.h"
#include "shell/windows/setup_window.h"
#include "engines/engine_roster.h"
#include "game/game.h"
#include "game/iteration_feed.h"
#include "shell/board/board_view.h"
#include "shell/windows/situation_window.h"
#include "shell/windows/move_texts.h"
#include "shell/windows/timer_window.h"

namespace {

ToolWindow* toolWindow(ShellWindow window) {
    switch (window) {
    case ShellWindow::Clock: return &TimerWindow::instance();
    case ShellWindow::Info: return &GameInfoWindow::instance();
    case ShellWindow::Book: return &BookWindow::instance();
    case ShellWindow::Situation: return &SituationWindow::instance();
    case ShellWindow::Graph:
    case ShellWindow::Main: break;
    }
    return nullptr;
}

template <class W>
WindowPlacement placementOf(const W& w) {
    return {w.isOpen(), w.position().x(), w.position().y()};
}

template <class W>
void place(W& w, const WindowPlacement& placement) {
    w.setPosition(placement.x, placement.y);
    if (placement.visible) w.open();
}

}  // namespace

void MainWindow::toolWindowsIdle() {
    TimerWindow::instance().idle();
    GameInfoWindow::instance().idle();
    BookWindow::instance().idle();
    ExplorerWindow::instance().idle();
    SituationWindow::instance().idle();
    EngineLogWindow::instance().idle();
    ScoreGraphWindow::instance().idle();
}

void MainWindow::applyNotation() {
    const int item = menu.selectedItem(RadioGroup::Notation);
    if (item < 0 || static_cast<MoveNotation>(item) == MoveTexts::instance().notation()) return;
    MoveTexts::instance().setNotation(static_cast<MoveNotation>(item));
    BookWindow::instance().notationChanged();
    ExplorerWindow::instance().notationChanged();
    SituationWindow::instance().notationChanged();
    toolWindowsIdle();
}

void MainWindow::clockReset() { TimerWindow::instance().reset(); }
void MainWindow::clockResetAndStart() { TimerWindow::instance().restart(); }
void MainWindow::clockGameOver() { TimerWindow::instance().stop(); }
void MainWindow::clockGameResumed() { TimerWindow::instance().resume(); }

GameInfo MainWindow::gameInfo() const { return GameInfoWindow::instance().info(); }
void MainWindow::setGameInfo(const GameInfo& i) { GameInfoWindow::instance().setInfo(i); }
void MainWindow::setGameInfoResult(const std::string& text) { GameInfoWindow::instance().setResultText(text); }

void MainWindow::situationReset() { SituationWindow::instance().reset(); }
void MainWindow::showSearchResult(const SearchResult* result, int skip) {
    SituationWindow::instance().setSearchResult(result, skip);
}
void MainWindow::showPonderRecord(const PonderExport* record) { SituationWindow::instance().setPonderRecord(record); }
void MainWindow::showIteration(const IterationReport& report) {
    SituationWindow::instance().setBuiltInLines(report);
    // As an outside engine's: while the analysis runs, when switched on.
    const bool arrow = roster->list().showArrow && report.length > 0 && game.thinkingStatus() == THINKING_ANALYSIS;
    view->setArrow(arrow ? report.line[0] : 0, game.board());
}

bool MainWindow::isSetupOpen() const { return setupOpen || SetupWindow::instance().isOpen(); }
void MainWindow::openSetupWindow() { SetupWindow::instance().open(); }

SearchRequest MainWindow::customLimits() const { return LevelDialog::instance().kept(); }
void MainWindow::setCustomLimits(const SearchRequest& limits) { LevelDialog::instance().keep(limits); }

// The graph is no tool window of the template kind, but it is placed alike.
WindowPlacement MainWindow::toolWindowPlacement(ShellWindow window) const {
    if (window == ShellWindow::Graph) return placementOf(ScoreGraphWindow::instance());
    const ToolWindow* w = toolWindow(window);
    return w ? placementOf(*w) : WindowPlacement{};
}

void MainWindow::placeWindow(ShellWindow window, const WindowPlacement& placement) {
    if (window == ShellWindow::Graph) return place(ScoreGraphWindow::instance(), placement);
    if (ToolWindow* w = toolWindow(window)) place(*w, placement);
}
