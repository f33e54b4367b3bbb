#include "shell/windows/engine_log_window.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs/em_size.h"
#include "engines/engine_log.h"
#include "shell/platform/shown_text.h"

QString logLineText(const EngineLog::Line& line) {
    return (line.sent ? QStringLiteral("> ") : QStringLiteral("< ")) + line.text;
}

EngineLogWindow& EngineLogWindow::instance() {
    static EngineLogWindow window;
    return window;
}

EngineLogWindow::EngineLogWindow() : FloatingWindow(QT_TRANSLATE_NOOP("Texts", "引擎通信")) {}

void EngineLogWindow::build(QDialog& window) {
    text_ = new QPlainTextEdit(&window);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMaximumBlockCount(static_cast<int>(EngineLog::CAPACITY));
    const int em = emPixels(window);
    text_->setMinimumSize(em * 38, em * 23);
    auto* clearButton = new QPushButton(Texts::tr("清除"), &window);
    clearButton->setAutoDefault(false);
    QObject::connect(clearButton, &QPushButton::clicked, clearButton, [this] { clear(); });
    close_ = new QPushButton(Texts::tr("关闭"), &window);
    close_->setAutoDefault(false);
    close_->setDefault(true);
    QObject::connect(close_, &QPushButton::clicked, close_, [this] { closeRequested(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clearButton);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

QPlainTextEdit* EngineLogWindow::text() const { return isOpen() ? text_.data() : nullptr; }

void EngineLogWindow::opened() {
    shownTotal = 0;
    idle();
    close_->setFocus();
}

void EngineLogWindow::clear() {
    text_->clear();
    if (log_) shownTotal = log_->total();
}

void EngineLogWindow::idle() {
    if (!isOpen() || !log_) return;
    QPlainTextEdit* text = text_;
    if (log_->total() == shownTotal) return;
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
