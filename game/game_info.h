// The six texts that describe a game, as the game-information window edits
// them and game files store them. All are GBK bytes.
#pragma once

#include <array>
#include <string>

struct GameInfo {
    std::string redPlayer;    // 红方
    std::string blackPlayer;  // 黑方
    std::string date;         // 日期
    std::string place;        // 地点
    std::string result;       // 结果
    std::string notes;        // 备注

    static constexpr int TEXT_COUNT = 6;

    // The texts in their stored order.
    std::array<std::string*, TEXT_COUNT> texts() {
        return {&redPlayer, &blackPlayer, &date, &place, &result, &notes};
    }
    std::array<const std::string*, TEXT_COUNT> texts() const {
        return {&redPlayer, &blackPlayer, &date, &place, &result, &notes};
    }

    friend bool operator==(const GameInfo&, const GameInfo&) = default;
};
