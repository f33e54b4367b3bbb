// The notation the windows show moves in (设置 → 记谱方式): Chinese, WXF
// or coordinates. Only what is on screen follows it; files, the record
// copied to the clipboard and the comments a review writes stay Chinese.
#pragma once

#include <string>

#include "engine/types.h"
#include "game/move_notation.h"

class MoveTexts {
public:
    static MoveTexts& instance();

    MoveNotation notation() const { return notation_; }
    void setNotation(MoveNotation notation) { notation_ = notation; }

    // The move's text in the chosen notation, GBK.
    std::string text(const Board90& board, PackedMove m) const { return formatMoveAs(notation_, board, m); }

private:
    MoveTexts() = default;
    MoveNotation notation_ = MoveNotation::Chinese;
};
