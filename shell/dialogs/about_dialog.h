// 关于: the program's name and version, who made it, and where the data of
// its opening book comes from.
#pragma once

#include "shell/windows/tool_window.h"

constexpr int IDC_ABOUT_ICON = 1001;
constexpr int IDC_ABOUT_TITLE = 1002;

class AboutBox final : public ToolWindow {
public:
    static AboutBox& instance();
    void run() { runModal(); }

private:
    AboutBox();
    void createControls() override;
    bool onInitialise() override;
};

// "Morlan 0.1.0": the program's name with the version it was built as.
const char* programVersionText();
// The credit the opening book's data asks for.
extern const char* const BOOK_DATA_CREDIT;
