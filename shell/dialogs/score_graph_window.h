// 局势图: the review's graph as a tool window; a click on it goes to that
// ply, 保存图片 writes the picture as PNG.
#pragma once

#include <QPointer>
#include <QString>

#include "shell/dialogs/floating_window.h"

class ScoreGraph;

class ScoreGraphWindow final : public FloatingWindow {
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
    void build(QDialog& window) override;
    void opened() override;
    void savePictureWithDialog();

    QPointer<ScoreGraph> graph_;
    int shownVersion = -1;
    int shownPly = -1;
};
