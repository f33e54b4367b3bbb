#include "shell/windows/book_window.h"

#include <QPushButton>
#include <QTreeWidget>
#include <cstdio>

#include "engine/book.h"
#include "game/game.h"
#include "shell/windows/move_texts.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/qt_text.h"

namespace {

constexpr DialogTemplate BOOK_TEMPLATE{125, QT_TRANSLATE_NOOP("Texts", "开局库"), 148, 117};

}  // namespace

std::string bookShareText(int weight, int total) {
    // A position whose weights add up to nothing shares nothing out.
    const double share = total > 0 ? static_cast<double>(weight) * 100.0 / static_cast<double>(total) : 0.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f%%", share);
    return text;
}

BookWindow& BookWindow::instance() {
    static BookWindow window;
    return window;
}

BookWindow::BookWindow() : ToolWindow(BOOK_TEMPLATE, false) {}

void BookWindow::createControls() {
    addReportList(IDC_BOOK_LIST, 7, 8, 133, 81, {{QT_TRANSLATE_NOOP("Texts", "可能着法"), 80}, {QT_TRANSLATE_NOOP("Texts", "几率"), 80}});
    addButton(ID_OK, QT_TRANSLATE_NOOP("Texts", "关闭"), 54, 97, 38, 14, true);
}

void BookWindow::notationChanged() { shownKey = 0; }

bool BookWindow::onInitialise() {
    shownKey = 0;
    ToolWindow::onInitialise();
    if (auto* close = control<QPushButton>(ID_OK)) close->setFocus();
    return false;
}

void BookWindow::idle() {
    if (!isOpen()) return;
    if (MainWindow::exists() && MainWindow::instance().isAnimating()) return;
    const Game& game = Game::instance();
    const std::uint64_t key = game.positionKey();
    if (key == shownKey) return;
    shownKey = key;
    auto* list = control<QTreeWidget>(IDC_BOOK_LIST);
    if (!list) return;
    list->clear();
    if (key == 0) return;  // set-up: no position to look up
    const BookEntry* entry = openingBook().findBookEntry(static_cast<std::uint32_t>(key), static_cast<std::uint32_t>(key >> 32));
    if (!entry) return;
    for (const BookMove& m : entry->moves) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, toQt(MoveTexts::instance().text(game.board(), m.move)));
        item->setText(1, QString::fromStdString(bookShareText(m.weight, entry->total)));
    }
}
