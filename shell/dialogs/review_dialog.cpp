#include "shell/dialogs/review_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSpinBox>

#include "review/review_session.h"

namespace {

constexpr DialogTemplate REVIEW_TEMPLATE{132, "复盘分析", 164, 104};
constexpr const char* SIDE_CHOICES[] = {"双方", "红方", "黑方"};

}  // namespace

ReviewDialog& ReviewDialog::instance() {
    static ReviewDialog dialog;
    return dialog;
}

ReviewDialog::ReviewDialog() : ToolWindow(REVIEW_TEMPLATE, true) {}

void ReviewDialog::createControls() {
    QDialog* parent = parentForControls();
    addStatic(0, "引擎", 10, 11);
    auto* engines = new QComboBox(parent);
    for (const std::string& name : reviewEngineNames()) engines->addItem(QString::fromStdString(name));
    placeControl(engines, IDC_REVIEW_ENGINE, 44, 8, 110, 14);
    addRadioButton(IDC_REVIEW_BY_TIME, "每步时间", 10, 29, 50, 10);
    auto* seconds = new QDoubleSpinBox(parent);
    seconds->setRange(REVIEW_MIN_TIME_MS / 1000.0, REVIEW_MAX_TIME_MS / 1000.0);
    seconds->setDecimals(1);
    seconds->setSingleStep(0.1);
    seconds->setSuffix(QStringLiteral(" 秒"));
    placeControl(seconds, IDC_REVIEW_SECONDS, 70, 27, 60, 13);
    addRadioButton(IDC_REVIEW_BY_DEPTH, "搜索深度", 10, 47, 50, 10);
    auto* depthBox = new QSpinBox(parent);
    depthBox->setRange(1, REVIEW_MAX_DEPTH);
    depthBox->setSuffix(QStringLiteral(" 层"));
    placeControl(depthBox, IDC_REVIEW_DEPTH, 70, 45, 60, 13);
    addStatic(0, "评判", 10, 67);
    auto* sides = new QComboBox(parent);
    for (const char* s : SIDE_CHOICES) sides->addItem(QString::fromUtf8(s));
    placeControl(sides, IDC_REVIEW_SIDES, 44, 64, 60, 14);
    addButton(ID_OK, "开始", 36, 84, 40, 14, true);
    addButton(ID_CANCEL, "取消", 88, 84, 40, 14);
}

bool ReviewDialog::onInitialise() {
    ToolWindow::onInitialise();
    if (auto* e = control<QComboBox>(IDC_REVIEW_ENGINE)) e->setCurrentIndex(engine < e->count() ? engine : 0);
    const ReviewLimit& l = chosen.limit;
    if (auto* r = control<QRadioButton>(l.byDepth() ? IDC_REVIEW_BY_DEPTH : IDC_REVIEW_BY_TIME)) r->setChecked(true);
    if (auto* s = control<QDoubleSpinBox>(IDC_REVIEW_SECONDS)) s->setValue(l.moveTimeMs / 1000.0);
    if (auto* d = control<QSpinBox>(IDC_REVIEW_DEPTH)) d->setValue(l.byDepth() ? l.depth : depth);
    if (auto* s = control<QComboBox>(IDC_REVIEW_SIDES))
        s->setCurrentIndex(chosen.judgeRed && chosen.judgeBlack ? 0 : chosen.judgeRed ? 1 : 2);
    return true;
}

void ReviewDialog::take() {
    if (auto* e = control<QComboBox>(IDC_REVIEW_ENGINE)) engine = std::max(0, e->currentIndex());
    const auto* s = control<QDoubleSpinBox>(IDC_REVIEW_SECONDS);
    const auto* d = control<QSpinBox>(IDC_REVIEW_DEPTH);
    const auto* byDepth = control<QRadioButton>(IDC_REVIEW_BY_DEPTH);
    if (s) chosen.limit.moveTimeMs = static_cast<int>(s->value() * 1000 + 0.5);
    if (d) depth = d->value();
    chosen.limit.depth = byDepth && byDepth->isChecked() ? depth : 0;
    chosen.limit = clampedLimit(chosen.limit);
    const int sides = control<QComboBox>(IDC_REVIEW_SIDES) ? control<QComboBox>(IDC_REVIEW_SIDES)->currentIndex() : 0;
    chosen.judgeRed = sides != 2;
    chosen.judgeBlack = sides != 1;
}

void ReviewDialog::onCommand(int id, int code) {
    if (id == ID_OK && code == NOTIFY_CLICKED) {
        take();
        endDialog(1);
        return;
    }
    ToolWindow::onCommand(id, code);
}

bool ReviewDialog::run() { return runModal() == 1; }
