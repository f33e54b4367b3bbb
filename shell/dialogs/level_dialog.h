// 水平: the custom level, a depth limit, a time limit per move, both or
// neither. It keeps the custom request for the whole run; the settings
// file stores it.
#pragma once

#include "engine/think.h"
#include "shell/windows/tool_window.h"

class QLineEdit;

constexpr int IDC_DEPTH_LIMIT = 1007;
constexpr int IDC_DEPTH = 1026;
constexpr int IDC_TIME_LIMIT = 1008;
constexpr int IDC_SECONDS = 1027;

constexpr int MAX_CUSTOM_DEPTH = 99;
constexpr int MAX_CUSTOM_SECONDS = 9999;

class LevelDialog final : public ToolWindow {
public:
    static LevelDialog& instance();

    // Runs the dialog; OK selects 自定义 and hands the request to the engine.
    void run() { runModal(); }

    const SearchRequest& kept() const { return request; }
    // Keeps a request (from the settings file); the engine gets it only
    // when the level is the custom one.
    void keep(const SearchRequest& limits);
    // The request being edited while the dialog is open.
    const SearchRequest& working() const { return work; }

private:
    LevelDialog();
    void createControls() override;
    bool onInitialise() override;
    void onCommand(int id, int code) override;
    void show();
    void accept();

    SearchRequest request{LIMIT_DEPTH, 8, 10};
    SearchRequest work{LIMIT_DEPTH, 8, 10};
};

// Reads the number in an edit, clamped to low..high. The edit shows the
// clamped number again unless it is empty, which it stays (counting as low).
int readClampedInt(QLineEdit& edit, int low, int high);
