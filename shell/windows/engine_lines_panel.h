// The situation window's part for an outside engine: its name, the depth,
// score, speed and nodes of its search, how many lines it shows (when the
// engine can show more than one), and each line in Chinese notation. A
// click on a line makes it the variation the window steps through.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "engines/engine_info.h"
#include "engine/types.h"

class QLabel;
class QSpinBox;
class QTreeWidget;
struct IterationReport;

// An outside engine's score on the built-in engine's scale, from Red's
// view (game/score_scale.h): its centipawns at the measured rate, a mate
// in n moves beyond the mate bound as the built-in engine's own mates.
int outsideScore(const EngineInfo& info);
// An iteration of the built-in engine as an outside engine's report: its
// points as centipawns of the same scale, its mates as mates.
EngineInfo builtInEngineInfo(const IterationReport& report);
// "+1.25" in pawns from Red's view, or "红方 3 步杀" / "黑方 3 步杀".
QString outsideScoreText(const EngineInfo& info);

class EngineLinesPanel final : public QWidget {
public:
    struct Hooks {
        std::function<void(int line)> lineChosen;   // 0 = the best
        std::function<void(int count)> countChanged;
    };

    EngineLinesPanel(QWidget* parent, Hooks hooks);

    // The engine's latest reports, its lines from the position `board`
    // (side to move `side`); maxLines: how many it can show at once.
    void show(const QString& engine, const std::vector<EngineInfo>& lines, const Board90& board, Side side,
              int count, int maxLines);
    int chosenLine() const { return chosen; }
    void setChosenLine(int line);

    // For tests: the controls.
    QLabel* nameLabel() const { return name; }
    QLabel* statsLabel() const { return stats; }
    QSpinBox* countBox() const { return count_; }
    QTreeWidget* lineList() const { return list; }

private:
    Hooks hooks;
    QLabel* name;
    QLabel* stats;
    QSpinBox* count_;
    QTreeWidget* list;
    int chosen = 0;
    bool filling = false;
};
