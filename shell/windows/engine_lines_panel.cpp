#include "shell/windows/engine_lines_panel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTreeWidget>
#include <algorithm>
#include <iterator>

#include "engine/board_move.h"
#include "engine/think.h"
#include "game/iteration_feed.h"
#include "game/notation.h"
#include "shell/windows/move_texts.h"
#include "game/rules.h"
#include "game/score_scale.h"
#include "shell/platform/qt_text.h"
#include "shell/platform/shown_text.h"

namespace {

// Moves of a line shown in its row; stepping shows them all.
constexpr int ROW_MOVES = 12;

QString lineText(const std::vector<PackedMove>& pv, Board90 board) {
    QStringList moves;
    for (std::size_t i = 0; i < pv.size() && i < static_cast<std::size_t>(ROW_MOVES); ++i) {
        moves << toQt(MoveTexts::instance().text(board, pv[i]));
        playOnBoard(board, pv[i]);
    }
    return moves.join(QLatin1Char(' '));
}

QString speedText(std::int64_t nps) {
    if (nps < 0) return QStringLiteral("-");
    if (nps >= 10000) return Texts::tr("%1 千步/秒").arg(nps / 1000);
    return Texts::tr("%1 步/秒").arg(nps);
}

}  // namespace

int outsideScore(const EngineInfo& info) {
    int s = 0;
    if (info.scoreKind == EngineInfo::MATE) {
        s = pointsOfMate(info.score);
    } else if (info.scoreKind == EngineInfo::CENTIPAWNS) {
        s = pointsFromCentipawns(info.score);
    }
    return info.sideToMove == SIDE_RED ? s : -s;
}

EngineInfo builtInEngineInfo(const IterationReport& r) {
    EngineInfo info;
    info.depth = r.depth;
    info.selDepth = r.maxPly;
    const int mover = r.side == SIDE_RED ? r.score : -r.score;
    const int mate = mateMoves(mover);
    info.scoreKind = mate != 0 ? EngineInfo::MATE : EngineInfo::CENTIPAWNS;
    info.score = mate != 0 ? mate : centipawnsFromPoints(mover);
    info.nodes = static_cast<std::int64_t>(r.nodes);
    info.timeMs = std::max(r.elapsedMs, 0);
    info.nps = info.nodes * 1000 / std::max<std::int64_t>(info.timeMs, 1);
    info.pv.assign(r.line, r.line + std::clamp(r.length, 0, static_cast<int>(std::size(r.line))));
    info.sideToMove = r.side;
    return info;
}

QString outsideScoreText(const EngineInfo& info) {
    const bool redView = info.sideToMove == SIDE_RED;
    if (info.scoreKind == EngineInfo::MATE) {
        const bool redMates = (info.score > 0) == redView;
        return Texts::tr("%1 %2 步杀").arg(redMates ? Texts::tr("红方") : Texts::tr("黑方")).arg(std::abs(info.score));
    }
    if (info.scoreKind != EngineInfo::CENTIPAWNS) return QStringLiteral("-");
    const int red = redView ? info.score : -info.score;
    return QStringLiteral("%1%2").arg(red >= 0 ? QStringLiteral("+") : QString()).arg(red / 100.0, 0, 'f', 2);
}

EngineLinesPanel::EngineLinesPanel(QWidget* parent, Hooks h) : QWidget(parent), hooks(std::move(h)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    name = new QLabel(this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    stats = new QLabel(this);
    count_ = new QSpinBox(this);
    count_->setRange(1, 1);
    list = new QTreeWidget(this);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({QStringLiteral("#"), Texts::tr("分数"), Texts::tr("深度"), Texts::tr("变化")});
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, 24);
    list->setColumnWidth(1, 70);
    list->setColumnWidth(2, 40);
    grid->addWidget(name, 0, 0, 1, 3);
    grid->addWidget(stats, 1, 0, 1, 3);
    grid->addWidget(new QLabel(Texts::tr("变化数"), this), 2, 0);
    grid->addWidget(count_, 2, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(list, 3, 0, 1, 3);
    grid->setRowStretch(3, 1);
    QObject::connect(count_, &QSpinBox::valueChanged, this, [this](int n) {
        if (!filling && hooks.countChanged) hooks.countChanged(n);
    });
    QObject::connect(list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (filling || !item) return;
        chosen = list->indexOfTopLevelItem(item);
        if (hooks.lineChosen) hooks.lineChosen(chosen);
    });
}

void EngineLinesPanel::setChosenLine(int line) {
    chosen = std::max(line, 0);
    filling = true;
    if (QTreeWidgetItem* item = list->topLevelItem(chosen)) list->setCurrentItem(item);
    filling = false;
}

void EngineLinesPanel::show(const QString& engine, const std::vector<EngineInfo>& lines, const Board90& board,
                            Side side, int count, int maxLines) {
    filling = true;
    name->setText(engine);
    const EngineInfo* best = lines.empty() ? nullptr : &lines[0];
    if (best && !best->pv.empty()) {
        QString depth = best->depth >= 0 ? QString::number(best->depth) : QStringLiteral("-");
        if (best->selDepth >= 0) depth += QLatin1Char('/') + QString::number(best->selDepth);
        stats->setText(Texts::tr("深度 %1  分数 %2  速度 %3  节点 %4")
                           .arg(depth, outsideScoreText(*best), speedText(best->nps),
                                best->nodes >= 0 ? QString::number(best->nodes) : QStringLiteral("-")));
    } else {
        stats->setText(Texts::tr("%1走").arg(side == SIDE_RED ? Texts::tr("红方") : Texts::tr("黑方")));
    }
    count_->setRange(1, std::max(1, maxLines));
    count_->setValue(count);
    count_->setEnabled(maxLines > 1);
    list->clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const EngineInfo& line = lines[i];
        if (line.pv.empty()) break;  // lines come in order
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::number(static_cast<int>(i) + 1));
        item->setText(1, outsideScoreText(line));
        item->setText(2, line.depth >= 0 ? QString::number(line.depth) : QStringLiteral("-"));
        item->setText(3, lineText(line.pv, board));
    }
    if (QTreeWidgetItem* item = list->topLevelItem(std::min(chosen, list->topLevelItemCount() - 1))) {
        list->setCurrentItem(item);
    }
    filling = false;
}
