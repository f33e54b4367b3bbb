// 关于: the program's name and version, who made it, and where the data of
// its opening book comes from.
#pragma once

class AboutBox final {
public:
    static AboutBox& instance();
    // Shows the box until 确定, Enter, Esc or the close box.
    void run();

private:
    AboutBox() = default;
};

// "Morlan 0.1.0": the program's name with the version it was built as.
const char* programVersionText();
// The credit the opening book's data asks for.
extern const char* const BOOK_DATA_CREDIT;
