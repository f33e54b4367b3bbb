// 局势: what the engine makes of the position on the board: the evaluation
// bar and a verdict, the principal variation, which can be stepped through
// on the board, and the move background thinking expects from the
// opponent with the reply it has prepared.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/think.h"
#include "engine/types.h"
#include "engines/engine_info.h"
#include "shell/windows/tool_window.h"

class EngineSession;
class EngineLinesPanel;
struct IterationReport;

constexpr int IDC_EVAL_BAR = 1054;
constexpr int IDC_VERDICT = 1053;
constexpr int IDC_VARIATION_LIST = 1045;
constexpr int IDC_VARIATION_SCROLL = 1051;
constexpr int IDC_GUESSED_MOVE = 1026;
constexpr int IDC_PREPARED_REPLY = 1027;
constexpr int IDC_ENGINE_LINES = 1103;

// The verdict on a score from Red's view (UTF-8).
const char* verdictText(int score);

class SituationWindow final : public ToolWindow {
public:
    static SituationWindow& instance();

    // What the displays show: nothing yet, "unknown", new data, the data.
    enum Shown : int { SHOWN_NONE = 1, SHOWN_UNKNOWN = 2, SHOWN_NEW = 3, SHOWN_DATA = 4 };

    // A search result for the game's current position, its principal
    // variation from move `first` on; null: no result (a search starts).
    void setSearchResult(const SearchResult* result, int first);
    // The record of background thinking; null: none.
    void setPonderRecord(const PonderExport* record);
    // The latest lines of an outside engine searching the game's position
    // (skip 0), or of the search whose move has just been played (skip 1:
    // the variation starts after that move).
    void setOutsideLines(const EngineSession& session, int skip);
    // The latest iteration of the built-in engine's analysis of the game's
    // position, shown in the engine lines as an outside engine's.
    void setBuiltInLines(const IterationReport& report);
    // Makes line i (0 = the best) of the outside engine the variation.
    void chooseOutsideLine(int i);
    // The outside engine's part of the window, while open with one.
    EngineLinesPanel* linesPanel() const;
    // A new game: the bar back to even.
    void reset();
    void idle();
    // The lines and the guess are written again in the notation now chosen.
    void notationChanged();

    // ---- the variation (also for tests) ----
    void applyStep(int t);
    void doubleClicked(int row, int column);
    void scrollAction(int action, int sliderPosition, bool thumbHeld);
    void scrollReleased();
    void restoreBoard();
    int step() const { return step_; }
    const std::vector<PackedMove>& variation() const { return analysis.variation; }
    bool hasAnalysis() const { return analysis.valid; }
    bool hasPonder() const { return ponder.valid; }

private:
    SituationWindow();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;
    void onDestroy() override;

    void showResult();
    void showUnknown();
    void showGuess();
    void clearGuess();
    void fillVariation();
    void setCell(int i, bool mark);
    void updateScrollBar();
    void contextMenu(QPoint at);
    void takeOutsideLine();
    void showOutside();
    void dropOutsideLines();

    struct Analysis {
        bool valid = false;  // a result was given and not withdrawn
        std::uint64_t key = 0;
        std::int16_t score = 0;
        Board90 board{};
        Side side = SIDE_RED;
        std::vector<PackedMove> variation;
    } analysis;

    struct Ponder {
        bool valid = false;
        PonderExport record{};
    } ponder;

    // What an outside engine reported last.
    struct Outside {
        bool valid = false;
        QString engine;
        std::vector<EngineInfo> lines;
        Board90 board{};  // its lines start here
        Side side = SIDE_RED;
        int skip = 0;
        int count = 1;
        int maxLines = 1;
        int chosen = 0;
        bool dirty = false;  // the panel waits for the next idle step
        bool builtIn = false;  // the built-in engine's lines
        int points = 0;        // its score as it gave it (points, Red's view)
        std::uint64_t key = 0;  // the game's position when the lines came
    } outside;
    int stepToKeep = 0;  // a step the next display keeps (the line grew under it)

    std::vector<std::string> texts;  // GBK move texts of the variation
    int analysisShown = SHOWN_NONE;
    int ponderShown = SHOWN_NONE;
    int step_ = 0;
    bool tracking = false;
};
