#include "shell/dialogs/level_dialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>

#include "engine/engine.h"
#include "game/game.h"

namespace {

constexpr DialogTemplate LEVEL_TEMPLATE{115, QT_TRANSLATE_NOOP("Texts", "水平"), 116, 68};
constexpr int READ_CHARACTERS = 31;

// The leading integer of the text as the C library reads it (spaces, a
// sign, digits), saturated far outside any limit; 0 when there is none.
long long leadingInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 1LL << 40);
    }
    return negative ? -value : value;
}

}  // namespace

int readClampedInt(QLineEdit& edit, int low, int high) {
    const QString text = edit.text();
    const std::string read = text.left(READ_CHARACTERS).toStdString();
    const int value = static_cast<int>(std::clamp<long long>(leadingInteger(read), low, high));
    if (text.isEmpty()) return value;
    const QString formatted = QString::number(value);
    if (formatted != text) {
        edit.setText(formatted);
        edit.setCursorPosition(static_cast<int>(formatted.size()));
    }
    return value;
}

LevelDialog& LevelDialog::instance() {
    static LevelDialog dialog;
    return dialog;
}

LevelDialog::LevelDialog() : ToolWindow(LEVEL_TEMPLATE, true) {}

void LevelDialog::keep(const SearchRequest& limits) {
    request = limits;
    if (Game::instance().level() == LEVEL_CUSTOM) thinkingEngine().setLimits(request);
}

void LevelDialog::createControls() {
    addCheckBox(IDC_DEPTH_LIMIT, QT_TRANSLATE_NOOP("Texts", "深度"), 13, 10, 32, 10);
    addEdit(IDC_DEPTH, 47, 9, 30, 12);
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "层"), 84, 11);
    addCheckBox(IDC_TIME_LIMIT, QT_TRANSLATE_NOOP("Texts", "时间"), 13, 27, 32, 10);
    addEdit(IDC_SECONDS, 47, 26, 30, 12);
    addStatic(0, QT_TRANSLATE_NOOP("Texts", "秒/步"), 84, 28);
    addButton(ID_OK, QT_TRANSLATE_NOOP("Texts", "确定"), 15, 46, 38, 14, true);
    addButton(ID_CANCEL, QT_TRANSLATE_NOOP("Texts", "取消"), 61, 46, 38, 14);
}

bool LevelDialog::onInitialise() {
    if (auto* ok = control<QPushButton>(ID_OK)) ok->setFocus();
    work = request;
    show();
    return false;
}

void LevelDialog::show() {
    auto* depthBox = control<QCheckBox>(IDC_DEPTH_LIMIT);
    auto* timeBox = control<QCheckBox>(IDC_TIME_LIMIT);
    auto* depth = control<QLineEdit>(IDC_DEPTH);
    auto* seconds = control<QLineEdit>(IDC_SECONDS);
    if (!depthBox || !timeBox || !depth || !seconds) return;
    depthBox->setChecked(false);
    timeBox->setChecked(false);
    depth->setEnabled(false);
    seconds->setEnabled(false);
    // Each number written is read back through the clamp at once.
    depth->setText(QString::number(work.depth));
    seconds->setText(QString::number(work.seconds));
    if (work.flags & LIMIT_DEPTH) {
        depthBox->setChecked(true);
        depth->setEnabled(true);
    }
    if (work.flags & LIMIT_TIME) {
        timeBox->setChecked(true);
        seconds->setEnabled(true);
    }
}

void LevelDialog::onCommand(int id, int code) {
    switch (id) {
    case IDC_DEPTH_LIMIT:
    case IDC_TIME_LIMIT: {
        if (code != NOTIFY_CLICKED) return;
        auto* box = control<QCheckBox>(id);
        const std::uint8_t bit = id == IDC_DEPTH_LIMIT ? LIMIT_DEPTH : LIMIT_TIME;
        if (box && box->isChecked()) {
            work.flags |= bit;
        } else {
            work.flags &= static_cast<std::uint8_t>(~bit);
        }
        show();
        return;
    }
    case IDC_DEPTH:
        if (code != NOTIFY_UPDATE) return;
        if (auto* edit = control<QLineEdit>(id)) work.depth = static_cast<std::int8_t>(readClampedInt(*edit, 1, MAX_CUSTOM_DEPTH));
        return;
    case IDC_SECONDS:
        if (code != NOTIFY_UPDATE) return;
        if (auto* edit = control<QLineEdit>(id)) {
            work.seconds = static_cast<std::int16_t>(readClampedInt(*edit, 1, MAX_CUSTOM_SECONDS));
        }
        return;
    case ID_OK:
        if (code == NOTIFY_CLICKED) accept();
        return;
    default: ToolWindow::onCommand(id, code); return;
    }
}

void LevelDialog::accept() {
    Game::instance().setLevel(LEVEL_CUSTOM);
    keep(work);
    endDialog(0);
}
