#include "shell/dialogs/score_graph_window.h"

#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialogs/em_size.h"
#include "game/game.h"
#include "game/gbk.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/qt_text.h"
#include "review/review_session.h"
#include "shell/dialogs/score_graph.h"
#include "shell/platform/shown_text.h"

namespace {

Game& game() { return Game::instance(); }

}  // namespace

ScoreGraphWindow& ScoreGraphWindow::instance() {
    static ScoreGraphWindow window;
    return window;
}

ScoreGraphWindow::ScoreGraphWindow() : FloatingWindow(QT_TRANSLATE_NOOP("Texts", "局势图")) {}

void ScoreGraphWindow::build(QDialog& window) {
    graph_ = new ScoreGraph(&window);
    const int em = emPixels(window);
    graph_->setMinimumSize(em * 38, em * 16);
    graph_->plyClicked = [this](int ply) { goTo(ply); };
    auto* save = new QPushButton(Texts::tr("保存图片"), &window);
    save->setAutoDefault(false);
    QObject::connect(save, &QPushButton::clicked, save, [this] { savePictureWithDialog(); });
    auto* close = new QPushButton(Texts::tr("关闭"), &window);
    close->setAutoDefault(false);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, close, [this] { closeRequested(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(graph_, 1);
    layout->addLayout(buttons);
}

void ScoreGraphWindow::opened() {
    shownVersion = -1;
    shownPly = -1;
    idle();
}

ScoreGraph* ScoreGraphWindow::graph() const { return isOpen() ? graph_.data() : nullptr; }

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
    dialog.setNameFilter(Texts::tr("PNG 图片 (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(Texts::tr("局势图.png"));
    int accepted = 0;
    {
        ModalScope modal;
        accepted = dialog.exec();
    }
    if (accepted != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().first();
    if (savePicture(path)) return;
    game().shell().showMessage(fromQt(Texts::tr("无法写入 %1").arg(path)), GBK_CAPTION_ERROR, MessageIcon::Error);
}
