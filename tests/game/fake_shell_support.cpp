#include "fake_shell_support.h"

#include <algorithm>

FakeShell::FakeShell(Game& g) : game(g) { game.attachShell(this); }

FakeShell::~FakeShell() { game.attachShell(nullptr); }

int FakeShell::count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void FakeShell::clearLog() {
    calls.clear();
    messages.clear();
}

void FakeShell::endAnimation() {
    if (!animating) return;
    animating = false;
    game.onComputerMoveShown();
}

void FakeShell::finishAnimation() {
    calls.push_back("finishAnimation");
    endAnimation();
}

void FakeShell::animateComputerMove(PackedMove move) {
    calls.push_back("animate");
    animating = true;
    animatedMove = move;
    animatedMoves.push_back(move);
}

void FakeShell::playMoveSound(bool captured) { calls.push_back(captured ? "captureSound" : "moveSound"); }

MessageAnswer FakeShell::showMessage(const std::string& text, const std::string& caption, MessageIcon,
                                     MessageButtons buttons) {
    messages.push_back(text + "|" + caption);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : nextAnswer;
}

void FakeShell::showSearchResult(const SearchResult* result, int skip) {
    if (result) {
        ++searchResultsShown;
        lastSkip = skip;
    } else {
        ++searchResultsCleared;
    }
}

void FakeShell::showPonderRecord(const PonderExport* record) {
    if (record) {
        ++ponderRecordsShown;
    } else {
        ++ponderRecordsCleared;
    }
}

void FakeShell::createMainWindow(const WindowPlacement* placement) {
    mainWindowCreated = true;
    if (placement) placements[ShellWindow::Main] = *placement;
}

WindowPlacement FakeShell::windowPlacement(ShellWindow window) const {
    const auto it = placements.find(window);
    if (it != placements.end()) return it->second;
    return {window == ShellWindow::Main && mainWindowCreated, 0, 0};
}

void FakeShell::placeWindow(ShellWindow window, const WindowPlacement& placement) {
    placements[window] = placement;
}
