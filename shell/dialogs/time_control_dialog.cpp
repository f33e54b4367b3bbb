#include "shell/dialogs/time_control_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/main_window/main_window.h"
#include "shell/main_window/modal_scope.h"
#include "shell/platform/shown_text.h"
#include "shell/windows/dialog_units.h"

namespace {

// The kinds in the order the list shows them (TimeControlKind's order).
constexpr const char* KIND_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "不限时"), QT_TRANSLATE_NOOP("Texts", "包干"), QT_TRANSLATE_NOOP("Texts", "加秒"), QT_TRANSLATE_NOOP("Texts", "读秒"), QT_TRANSLATE_NOOP("Texts", "步数限时")};
constexpr const char* SIDE_NAMES[] = {QT_TRANSLATE_NOOP("Texts", "红方"), QT_TRANSLATE_NOOP("Texts", "黑方")};
constexpr const char* NEEDS_BASE = QT_TRANSLATE_NOOP("Texts", "包干、加秒与步数限时须有基本时间");

// One side's choice: the kind and the numbers that go with it.
class SideControl final : public QGroupBox {
public:
    SideControl(const char* title, QWidget* parent);
    void show(const TimeControl& c);
    TimeControl control() const;
    void setFollowing(bool following);

    QComboBox* kind;

private:
    QSpinBox* spin(int most, const char* suffix);
    void enableFields();

    QSpinBox* minutes;
    QSpinBox* seconds;
    QSpinBox* increment;
    QSpinBox* period;
    QSpinBox* moves;
    bool following = false;
};

SideControl::SideControl(const char* title, QWidget* parent) : QGroupBox(shownText(title), parent) {
    kind = new QComboBox(this);
    for (const char* name : KIND_NAMES) kind->addItem(shownText(name));
    minutes = spin(6000, QT_TRANSLATE_NOOP("Texts", " 分"));
    seconds = spin(59, QT_TRANSLATE_NOOP("Texts", " 秒"));
    increment = spin(600, QT_TRANSLATE_NOOP("Texts", " 秒"));
    period = spin(600, QT_TRANSLATE_NOOP("Texts", " 秒"));
    moves = spin(1000, QT_TRANSLATE_NOOP("Texts", " 步"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(Texts::tr("方式"), this), 0, 0);
    grid->addWidget(kind, 0, 1, 1, 2);
    grid->addWidget(new QLabel(Texts::tr("基本时间"), this), 1, 0);
    grid->addWidget(minutes, 1, 1);
    grid->addWidget(seconds, 1, 2);
    grid->addWidget(new QLabel(Texts::tr("每步加秒"), this), 2, 0);
    grid->addWidget(increment, 2, 1);
    grid->addWidget(new QLabel(Texts::tr("读秒"), this), 3, 0);
    grid->addWidget(period, 3, 1);
    grid->addWidget(new QLabel(Texts::tr("步数"), this), 4, 0);
    grid->addWidget(moves, 4, 1);
    connect(kind, &QComboBox::currentIndexChanged, this, [this] { enableFields(); });
    enableFields();
}

QSpinBox* SideControl::spin(int most, const char* suffix) {
    auto* s = new QSpinBox(this);
    s->setRange(0, most);
    s->setSuffix(shownText(suffix));
    return s;
}

void SideControl::enableFields() {
    const auto k = static_cast<TimeControlKind>(kind->currentIndex());
    const bool on = !following;
    kind->setEnabled(on);
    minutes->setEnabled(on && k != TimeControlKind::Unlimited);
    seconds->setEnabled(on && k != TimeControlKind::Unlimited);
    increment->setEnabled(on && k == TimeControlKind::Increment);
    period->setEnabled(on && k == TimeControlKind::Byoyomi);
    moves->setEnabled(on && k == TimeControlKind::MovesInTime);
}

void SideControl::setFollowing(bool follow) {
    following = follow;
    enableFields();
}

void SideControl::show(const TimeControl& c) {
    kind->setCurrentIndex(static_cast<int>(c.kind));
    const std::int64_t base = c.baseMs / 1000;
    minutes->setValue(static_cast<int>(base / 60));
    seconds->setValue(static_cast<int>(base % 60));
    increment->setValue(static_cast<int>(c.incrementMs / 1000));
    period->setValue(static_cast<int>(c.periodMs > 0 ? c.periodMs / 1000 : 30));
    moves->setValue(c.moves > 0 ? c.moves : 40);
    enableFields();
}

TimeControl SideControl::control() const {
    TimeControl c;
    c.kind = static_cast<TimeControlKind>(kind->currentIndex());
    if (c.unlimited()) return c;
    c.baseMs = (minutes->value() * 60LL + seconds->value()) * 1000;
    if (c.kind == TimeControlKind::Increment) c.incrementMs = increment->value() * 1000LL;
    if (c.kind == TimeControlKind::Byoyomi) c.periodMs = period->value() * 1000LL;
    if (c.kind == TimeControlKind::MovesInTime) c.moves = moves->value();
    return c;
}

class TimeControlChoices final : public QDialog {
public:
    explicit TimeControlChoices(QWidget* parent);
    void show(const TimeControl& red, const TimeControl& black);
    TimeControl control(int side) const;
    void accept() override;

private:
    SideControl* sides[2];
    QCheckBox* same;
};

TimeControlChoices::TimeControlChoices(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setWindowTitle(Texts::tr("时限"));
    same = new QCheckBox(Texts::tr("双方相同"), this);
    auto* columns = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        sides[i] = new SideControl(SIDE_NAMES[i], this);
        columns->addWidget(sides[i]);
    }
    connect(same, &QCheckBox::toggled, this, [this](bool on) { sides[1]->setFollowing(on); });
    auto* ok = new QPushButton(Texts::tr("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(Texts::tr("取消"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(same);
    layout->addLayout(columns);
    layout->addWidget(new QLabel(Texts::tr("新的时限即时生效，双方计时重新开始。"), this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TimeControlChoices::show(const TimeControl& red, const TimeControl& black) {
    sides[0]->show(red);
    sides[1]->show(black);
    same->setChecked(red == black);
}

TimeControl TimeControlChoices::control(int side) const {
    return sides[same->isChecked() ? 0 : side]->control();
}

void TimeControlChoices::accept() {
    // A control without the numbers its kind needs changes nothing.
    if (!control(0).valid() || !control(1).valid()) {
        QMessageBox::warning(this, Texts::tr("时限"), shownText(NEEDS_BASE));
        return;
    }
    QDialog::accept();
}

}  // namespace

bool TimeControlDialog::run(TimeControl& red, TimeControl& black) {
    TimeControlChoices dialog(MainWindow::exists() ? &MainWindow::instance() : nullptr);
    dialog.show(red, black);
    int code = 0;
    {
        ModalScope modal;
        code = dialog.exec();
    }
    if (code != QDialog::Accepted) return false;
    red = dialog.control(0);
    black = dialog.control(1);
    return true;
}
