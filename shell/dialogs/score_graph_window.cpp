#include "shell/dialogs/score_graph_window.h"

#include <QDialog>
#include <QFileDialog>
#include <QPixmap>

#include "game/game.h"
#include "game/gbk.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/qt_text.h"
#include "review/review_session.h"
#include "shell/dialogs/score_graph.h"

namespace {

constexpr DialogTemplate GRAPH_TEMPLATE{133, "局势图", 320, 160};

Game& game() { return Game::instance(); }

}  // namespace

ScoreGraphWindow& ScoreGraphWindow::instance() {
    static ScoreGraphWindow window;
    return window;
}

ScoreGraphWindow::ScoreGraphWindow() : ToolWindow(GRAPH_TEMPLATE, false) {}

void ScoreGraphWindow::createControls() {
    auto* g = new ScoreGraph(parentForControls());
    placeControl(g, IDC_SCORE_GRAPH, 7, 7, 306, 126);
    g->plyClicked = [this](int ply) { goTo(ply); };
    addButton(IDC_SAVE_PICTURE, "保存图片", 213, 139, 48, 14);
    addButton(ID_CANCEL, "关闭", 267, 139, 46, 14, true);
}

bool ScoreGraphWindow::onInitialise() {
    ToolWindow::onInitialise();
    shownVersion = -1;
    shownPly = -1;
    idle();
    return false;
}

ScoreGraph* ScoreGraphWindow::graph() const { return control<ScoreGraph>(IDC_SCORE_GRAPH); }

void ScoreGraphWindow::idle() {
    ScoreGraph* g = graph();
    if (!g) return;
    const ReviewSession& session = ReviewSession::instance();
    if (session.version() == shownVersion && game().moveCount() == shownPly) return;
    shownVersion = session.version();
    shownPly = game().moveCount();
    g->show(session.review(), shownPly);
}

void ScoreGraphWindow::goTo(int ply) {
    if (ply < 0 || ply > game().recordSize() || ply == game().moveCount()) return;
    game().finishAnimation();
    game().stopThinking();
    if (!game().goToPly(ply)) return;
    game().setModified(true);
    idle();
}

bool ScoreGraphWindow::savePicture(const QString& path) const {
    ScoreGraph* g = graph();
    return g && g->grab().save(path, "PNG");
}

void ScoreGraphWindow::savePictureWithDialog() {
    QFileDialog dialog(window());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PNG 图片 (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(QStringLiteral("局势图.png"));
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    if (savePicture(path)) return;
    game().shell().showMessage(utf8ToGbkLossy("无法写入 ") + pathFromQt(path), GBK_CAPTION_ERROR, MessageIcon::Error);
}

void ScoreGraphWindow::onCommand(int id, int code) {
    if (id == IDC_SAVE_PICTURE) {
        if (code == NOTIFY_CLICKED) savePictureWithDialog();
        return;
    }
    ToolWindow::onCommand(id, code);
}
