// A shell for the game tests: records what the game asks of it, keeps the
// menu state and the game-information texts, and slides computer moves
// only when the test (or the emulated idle pass) lets it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_info.h"
#include "game/iteration_feed.h"
#include "game/shell_port.h"
#include "game/stored_settings.h"

class FakeShell final : public ShellPort {
public:
    explicit FakeShell(Game& game);
    ~FakeShell() override;

    // ---- what the tests look at and steer ----
    std::vector<std::string> calls;  // one entry per notifying call, in order
    std::vector<std::string> messages;  // "text|caption" of every message box
    std::string title;
    GameInfo info;
    int radio[7] = {0, 1, 0, 0, 0, 0, 0};  // mode 1, computer plays Black, level 1, board 100%, no rulings, Chinese
    bool checks[5] = {true, true, true, true, false};
    bool setupOpen = false;
    bool animating = false;
    PackedMove animatedMove = 0;
    std::vector<PackedMove> animatedMoves;
    bool reversed = true;
    int searchResultsShown = 0;   // non-null results
    int searchResultsCleared = 0;
    int lastSkip = -1;
    int ponderRecordsShown = 0;
    int ponderRecordsCleared = 0;
    std::vector<IterationReport> iterationsShown;
    MessageAnswer nextAnswer = MessageAnswer::Yes;
    bool mainWindowCreated = false;
    std::map<ShellWindow, WindowPlacement> placements;
    SearchRequest custom{LIMIT_DEPTH, 8, 10};
    TailAnswer tailAnswer = TailAnswer::KeepAsVariation;
    int reviewedMoves = 0;  // a review marked the line's moves before this one
    LineSaveAnswer lineSaveAnswer = LineSaveAnswer::Cancel;
    TextSaveAnswer textSaveAnswer = TextSaveAnswer::Cancel;

    int count(const std::string& call) const;
    void clearLog();
    // The slide of a computer move reaches its end.
    void endAnimation();

    // ---- ShellPort ----
    void finishAnimation() override;
    bool isAnimating() const override { return animating; }
    void animateComputerMove(PackedMove move) override;
    void restoreView() override { calls.push_back("restoreView"); }
    void syncView() override { calls.push_back("syncView"); }
    void markViewSynced() override { calls.push_back("markViewSynced"); }
    void playMoveSound(bool captured) override;
    bool boardReversed() const override { return reversed; }
    void setBoardReversed(bool r) override { reversed = r; }
    void refreshCommands() override { calls.push_back("refreshCommands"); }
    void updateCursor() override { calls.push_back("updateCursor"); }
    void showBusyCursor() override { calls.push_back("busyCursor"); }
    std::string windowTitle() const override { return title; }
    void setWindowTitle(const std::string& t) override { title = t; }
    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    int selectedItem(RadioGroup group) const override { return radio[static_cast<int>(group)]; }
    void selectItem(RadioGroup group, int item) override { radio[static_cast<int>(group)] = item; }
    bool isChecked(CheckMark mark) const override { return checks[static_cast<int>(mark)]; }
    void setChecked(CheckMark mark, bool on) override { checks[static_cast<int>(mark)] = on; }
    void clockReset() override { calls.push_back("clockReset"); }
    void clockResetAndStart() override { calls.push_back("clockResetAndStart"); }
    void clockGameOver() override { calls.push_back("clockGameOver"); }
    void clockGameResumed() override { calls.push_back("clockGameResumed"); }
    GameInfo gameInfo() const override { return info; }
    void setGameInfo(const GameInfo& i) override { info = i; }
    void setGameInfoResult(const std::string& text) override { info.result = text; }
    void situationReset() override { calls.push_back("situationReset"); }
    void showSearchResult(const SearchResult* result, int skip) override;
    void showPonderRecord(const PonderExport* record) override;
    void showIteration(const IterationReport& r) override { iterationsShown.push_back(r); }
    bool isSetupOpen() const override { return setupOpen; }
    void openSetupWindow() override { setupOpen = true; calls.push_back("openSetup"); }
    void createMainWindow(const WindowPlacement* placement) override;
    WindowPlacement windowPlacement(ShellWindow window) const override;
    void placeWindow(ShellWindow window, const WindowPlacement& placement) override;
    SearchRequest customLimits() const override { return custom; }
    void setCustomLimits(const SearchRequest& limits) override { custom = limits; }
    TailAnswer askDropTail(int plies) override {
        calls.push_back("askDropTail " + std::to_string(plies));
        return tailAnswer;
    }
    bool reviewMarksFrom(int i) const override { return i < reviewedMoves; }
    LineSaveAnswer askSaveLineOnly() override {
        calls.push_back("askSaveLineOnly");
        return lineSaveAnswer;
    }
    void saveAsPgn() override { calls.push_back("saveAsPgn"); }
    TextSaveAnswer askTextRecordRefused(const std::string& why) override {
        calls.push_back("askTextRecordRefused");
        messages.push_back(why);
        return textSaveAnswer;
    }
    void saveAsSav() override { calls.push_back("saveAsSav"); }

private:
    Game& game;
};
