// 引擎通信: the lines exchanged with the outside engines, the latest
// EngineLog::CAPACITY of them, following the conversation while it is open.
#pragma once

#include <cstdint>

#include "shell/windows/tool_window.h"

#include "engines/engine_log.h"

// A line as the window shows it: "> " before a line sent, "< " before one read.
QString logLineText(const EngineLog::Line& line);

constexpr int IDC_ENGINE_LOG_TEXT = 1101;
constexpr int IDC_ENGINE_LOG_CLEAR = 1102;

class EngineLogWindow final : public ToolWindow {
public:
    static EngineLogWindow& instance();
    // The log shown; the main window's engines keep it.
    void setLog(const EngineLog* log) { log_ = log; }
    // The idle step: lines that arrived since the last step are added.
    void idle();

private:
    EngineLogWindow();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;

    const EngineLog* log_ = nullptr;
    std::uint64_t shownTotal = 0;
};
