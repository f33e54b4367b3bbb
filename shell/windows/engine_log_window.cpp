#include "shell/windows/engine_log_window.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "engines/engine_log.h"

namespace {

constexpr DialogTemplate ENGINE_LOG_TEMPLATE{150, "引擎通信", 320, 220};

}  // namespace

QString logLineText(const EngineLog::Line& line) {
    return (line.sent ? QStringLiteral("> ") : QStringLiteral("< ")) + line.text;
}

EngineLogWindow& EngineLogWindow::instance() {
    static EngineLogWindow window;
    return window;
}

EngineLogWindow::EngineLogWindow() : ToolWindow(ENGINE_LOG_TEMPLATE, false) {}

void EngineLogWindow::createControls() {
    auto* text = new QPlainTextEdit(parentForControls());
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setMaximumBlockCount(static_cast<int>(EngineLog::CAPACITY));
    placeControl(text, IDC_ENGINE_LOG_TEXT, 7, 7, 306, 186);
    addButton(IDC_ENGINE_LOG_CLEAR, "清除", 214, 199, 46, 14);
    addButton(ID_OK, "关闭", 267, 199, 46, 14, true);
}

bool EngineLogWindow::onInitialise() {
    ToolWindow::onInitialise();
    shownTotal = 0;
    idle();
    if (auto* close = control<QPushButton>(ID_OK)) close->setFocus();
    return false;
}

void EngineLogWindow::onCommand(int id, int code) {
    if (id == IDC_ENGINE_LOG_CLEAR && code == NOTIFY_CLICKED) {
        if (auto* text = control<QPlainTextEdit>(IDC_ENGINE_LOG_TEXT)) text->clear();
        if (log_) shownTotal = log_->total();
        return;
    }
    ToolWindow::onCommand(id, code);
}

void EngineLogWindow::idle() {
    if (!isOpen() || !log_) return;
    auto* text = control<QPlainTextEdit>(IDC_ENGINE_LOG_TEXT);
    if (!text || log_->total() == shownTotal) return;
    if (log_->total() < shownTotal) {  // the log was emptied
        text->clear();
        shownTotal = 0;
    }
    const auto& all = log_->lines();
    const std::uint64_t fresh = log_->total() - shownTotal;
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(fresh, all.size()));
    QStringList lines;
    for (std::size_t i = all.size() - count; i < all.size(); ++i) lines << logLineText(all[i]);
    QScrollBar* bar = text->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    text->appendPlainText(lines.join(QLatin1Char('\n')));
    if (atEnd) bar->setValue(bar->maximum());
    shownTotal = log_->total();
}
