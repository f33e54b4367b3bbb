// 开局库: the opening-book moves of the position on the board, each with
// its share of the book's weight for that position.
#pragma once

#include <cstdint>
#include <string>

#include "shell/windows/tool_window.h"

constexpr int IDC_BOOK_LIST = 1033;

class BookWindow final : public ToolWindow {
public:
    static BookWindow& instance();
    // The idle step: the list follows the position on the board.
    void idle();
    // The moves are written again in the notation now chosen.
    void notationChanged();

private:
    BookWindow();
    void createControls() override;
    bool onInitialise() override;

    std::uint64_t shownKey = 0;
};

// "59.27%": a move's weight as a share of the position's total weight.
std::string bookShareText(int weight, int total);
