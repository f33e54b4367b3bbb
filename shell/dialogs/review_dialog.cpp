#include "shell/dialogs/review_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs/em_size.h"
#include "review/review_session.h"
#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/windows/dialog_units.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr const char* SIDE_CHOICES[] = {QT_TRANSLATE_NOOP("Texts", "双方"), QT_TRANSLATE_NOOP("Texts", "红方"), QT_TRANSLATE_NOOP("Texts", "黑方")};

// What the user chose, as the dialog shows it.
struct ReviewChoice {
    int engine;
    ReviewOptions options;
    int depth;  // kept while the limit is a time
};

class ReviewChoices final : public QDialog {
public:
    explicit ReviewChoices(QWidget* parent);
    void showChoice(const ReviewChoice& c);
    // Writes what the dialog shows into c.
    void take(ReviewChoice& c) const;

private:
    QPushButton* button(const char* text);

    QComboBox* engines;
    QRadioButton* byTime;
    QDoubleSpinBox* seconds;
    QRadioButton* byDepth;
    QSpinBox* depth;
    QComboBox* sides;
};

ReviewChoices::ReviewChoices(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setWindowTitle(Texts::tr("复盘分析"));

    engines = new QComboBox(this);
    for (const std::string& name : reviewEngineNames()) engines->addItem(Texts::tr(name.c_str()));
    engines->setMinimumWidth(emPixels(*this) * 13);
    byTime = new QRadioButton(Texts::tr("每步时间"), this);
    seconds = new QDoubleSpinBox(this);
    seconds->setRange(REVIEW_MIN_TIME_MS / 1000.0, REVIEW_MAX_TIME_MS / 1000.0);
    seconds->setDecimals(1);
    seconds->setSingleStep(0.1);
    seconds->setSuffix(Texts::tr(" 秒"));
    byDepth = new QRadioButton(Texts::tr("搜索深度"), this);
    depth = new QSpinBox(this);
    depth->setRange(1, REVIEW_MAX_DEPTH);
    depth->setSuffix(Texts::tr(" 层"));
    sides = new QComboBox(this);
    for (const char* s : SIDE_CHOICES) sides->addItem(shownText(s));
    auto* limits = new QButtonGroup(this);
    limits->addButton(byTime);
    limits->addButton(byDepth);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Texts::tr("引擎"), this), 0, 0);
    grid->addWidget(engines, 0, 1, 1, 2);
    grid->addWidget(byTime, 1, 0);
    grid->addWidget(seconds, 1, 1);
    grid->addWidget(byDepth, 2, 0);
    grid->addWidget(depth, 2, 1);
    grid->addWidget(new QLabel(Texts::tr("评判"), this), 3, 0);
    grid->addWidget(sides, 3, 1);
    grid->setColumnStretch(2, 1);

    QPushButton* start = button(QT_TRANSLATE_NOOP("Texts", "开始"));
    start->setDefault(true);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* cancel = button(QT_TRANSLATE_NOOP("Texts", "取消"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* ReviewChoices::button(const char* text) {
    auto* b = new QPushButton(shownText(text), this);
    b->setAutoDefault(false);
    return b;
}

void ReviewChoices::showChoice(const ReviewChoice& c) {
    engines->setCurrentIndex(c.engine < engines->count() ? c.engine : 0);
    const ReviewLimit& l = c.options.limit;
    (l.byDepth() ? byDepth : byTime)->setChecked(true);
    seconds->setValue(l.moveTimeMs / 1000.0);
    depth->setValue(l.byDepth() ? l.depth : c.depth);
    sides->setCurrentIndex(c.options.judgeRed && c.options.judgeBlack ? 0 : c.options.judgeRed ? 1 : 2);
}

void ReviewChoices::take(ReviewChoice& c) const {
    c.engine = std::max(0, engines->currentIndex());
    c.depth = depth->value();
    c.options.limit.moveTimeMs = static_cast<int>(seconds->value() * 1000 + 0.5);
    c.options.limit.depth = byDepth->isChecked() ? c.depth : 0;
    c.options.limit = clampedLimit(c.options.limit);
    const int side = sides->currentIndex();
    c.options.judgeRed = side != 2;
    c.options.judgeBlack = side != 1;
}

}  // namespace

ReviewDialog& ReviewDialog::instance() {
    static ReviewDialog dialog;
    return dialog;
}

bool ReviewDialog::run() {
    ReviewChoices dialog(MainWindow::exists() ? &MainWindow::instance() : nullptr);
    ReviewChoice c{engine, chosen, depth};
    dialog.showChoice(c);
    int code = 0;
    {
        ModalScope modal;
        code = dialog.exec();
    }
    if (code != QDialog::Accepted) return false;
    dialog.take(c);
    engine = c.engine;
    chosen = c.options;
    depth = c.depth;
    return true;
}
