// 引擎通信: the lines exchanged with the outside engines, the latest
// EngineLog::CAPACITY of them, following the conversation while it is open.
#pragma once

#include <QPointer>
#include <cstdint>

#include "engines/engine_log.h"
#include "shell/dialogs/floating_window.h"

class QPlainTextEdit;
class QPushButton;

// A line as the window shows it: "> " before a line sent, "< " before one read.
QString logLineText(const EngineLog::Line& line);

class EngineLogWindow final : public FloatingWindow {
public:
    static EngineLogWindow& instance();
    // The log shown; the main window's engines keep it.
    void setLog(const EngineLog* log) { log_ = log; }
    // The idle step: lines that arrived since the last step are added.
    void idle();
    // The lines shown, while the window is open.
    QPlainTextEdit* text() const;

private:
    EngineLogWindow();
    void build(QDialog& window) override;
    void opened() override;
    void clear();

    const EngineLog* log_ = nullptr;
    std::uint64_t shownTotal = 0;
    QPointer<QPlainTextEdit> text_;
    QPointer<QPushButton> close_;
};
