// Everything the settings file stores, as plain data: what the game model
// collects from the windows, the menu and the engine before writing the
// file, and applies again after reading it. An empty optional is a setting
// the file does not hold; it keeps the program's initial state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/think.h"

// A window's top-left corner on the screen and whether it was open.
struct WindowPlacement {
    bool visible = false;
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The computer's level (1..4) and the level dialog's custom limits.
struct LevelRecord {
    std::uint8_t level = 0;
    SearchRequest customLimits{};

    friend bool operator==(const LevelRecord&, const LevelRecord&) = default;
};

struct StoredSettings {
    // Window placements.
    std::optional<WindowPlacement> mainWindow;    // "main"
    std::optional<WindowPlacement> clockWindow;   // "time", 计时
    std::optional<WindowPlacement> infoWindow;    // "info", 棋局信息
    std::optional<WindowPlacement> bookWindow;    // "book", 开局库
    std::optional<WindowPlacement> statusWindow;  // "status", 局势
    std::optional<WindowPlacement> graphWindow;   // "graph", 局势图

    std::optional<LevelRecord> level;             // 电脑水平

    // Integers; the file keeps each as one signed byte.
    std::optional<int> mode;       // "mode": GameMode 1..3
    std::optional<int> side;       // "side": 1 the computer plays Red, 0 Black
    std::optional<int> reverse;    // "reverse": 旋转棋盘, 1 draws Red at the bottom
    std::optional<int> animation;  // "animation": 走子动画
    std::optional<int> sound;      // "sound": 落子声音
    std::optional<int> useBook;    // "book": 开局库
    std::optional<int> ponder;     // "ponder": 后台思考
    std::optional<int> boardSize;  // "scale": 棋盘大小, its item 0..4 (100% .. 250%)
    std::optional<int> keepVariations;  // "variations": 保留变着, 1 on
    std::optional<int> repetitionRulings;  // "rulings": 重复局面裁决, 0 不裁决, 1 亚洲规则
    std::optional<int> notation;   // "notation": 记谱方式, 0 中文, 1 WXF, 2 坐标
    std::optional<int> pieceSet;   // "pieces": 棋子样式, 0 中文棋子, 1 国际符号
    std::optional<int> nonstopAnalysis;  // "nonstop": 持续分析, 1 on

    // Texts (GBK), in a section of their own.
    // "recovery": where the game the program was ended with, unsaved, was
    // written; the next start names it. Empty: no such file (the key goes).
    std::optional<std::string> recoveryFile;
    // "clock-red", "clock-black": 设置 → 时限, each side's time control as
    // timeControlText writes it ("increment 60000 1000"); a text that does
    // not read back is 不限时.
    std::optional<std::string> redClock;
    std::optional<std::string> blackClock;

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};
