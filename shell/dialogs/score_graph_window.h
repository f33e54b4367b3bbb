// 局势图: the review's graph as a tool window; a click on it goes to that
// ply, 保存图片 writes the picture as PNG.
#pragma once

#include <QString>

#include "shell/windows/tool_window.h"

class ScoreGraph;

constexpr int IDC_SCORE_GRAPH = 1120;
constexpr int IDC_SAVE_PICTURE = 1121;

class ScoreGraphWindow final : public ToolWindow {
public:
    static ScoreGraphWindow& instance();

    // The idle step: redrawn when the review or the ply moved on.
    void idle();
    ScoreGraph* graph() const;
    // Writes the graph as PNG; false when it cannot be written.
    bool savePicture(const QString& path) const;
    // Goes to the ply as the record list does.
    void goTo(int ply);

private:
    ScoreGraphWindow();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;
    void savePictureWithDialog();

    int shownVersion = -1;
    int shownPly = -1;
};
