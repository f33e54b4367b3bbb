// The book window: one row per book move of the position on the board,
// heaviest first, with its share of the weight, and nothing for positions
// outside the book or while set-up is open.
#include <QTest>
#include <QTreeWidget>

#include "engine/book.h"
#include "engine/engine.h"
#include "game/game.h"
#include "shell/windows/book_window.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class BookWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sharesReadAsPercentages();
    void rowsForABookPosition();
    void emptyOutsideTheBookAndInSetup();

private:
    QTreeWidget* list() { return BookWindow::instance().control<QTreeWidget>(IDC_BOOK_LIST); }
    QStringList row(int r) {
        QTreeWidgetItem* item = list()->topLevelItem(r);
        return item ? QStringList{item->text(0), item->text(1)} : QStringList{};
    }
};

// A book of the first two positions: three answers to the opening, one
// to 炮二平五.
void BookWindowTest::initTestCase() {
    Engine& rules = plainEngine();
    rules.setPosition(INITIAL_BOARD, SIDE_RED);
    const std::uint64_t start = rules.getHashKey();
    Board90 after = INITIAL_BOARD;
    after[boardIndex(4, 2)] = after[boardIndex(1, 2)];
    after[boardIndex(1, 2)] = NO_PIECE;
    rules.setPosition(after, SIDE_BLACK);
    const std::uint64_t next = rules.getHashKey();
    std::vector<BookRecord> records{
        {static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(start >> 32),
         {{RED_HORSE_OUT, 2000}, {CANNON_TO_CENTRE, 5927}, {packMove(2, 0, 4, 2), 2073}}},
        {static_cast<std::uint32_t>(next), static_cast<std::uint32_t>(next >> 32), {{BLACK_HORSE_OUT, 1}}},
    };
    const std::vector<std::uint8_t> book = encodeBook(records);
    QVERIFY(openingBook().loadBook(book.data(), book.size()));
    QCOMPARE(openingBook().size(), std::size_t{2});
}

void BookWindowTest::sharesReadAsPercentages() {
    QCOMPARE(bookShareText(5927, 10000), std::string("59.27%"));
    QCOMPARE(bookShareText(1, 3), std::string("33.33%"));
    QCOMPARE(bookShareText(2, 3), std::string("66.67%"));
    QCOMPARE(bookShareText(7, 7), std::string("100.00%"));
    QCOMPARE(bookShareText(5, 0), std::string("0.00%"));
}

void BookWindowTest::rowsForABookPosition() {
    freshGame();
    BookWindow::instance().open();
    QVERIFY(pumpUntil([this] { return list() && list()->topLevelItemCount() == 3; }, 2000));
    QCOMPARE(list()->headerItem()->text(0), QStringLiteral("可能着法"));
    QCOMPARE(list()->headerItem()->text(1), QStringLiteral("几率"));
    QCOMPARE(list()->columnWidth(0), 80);
    QCOMPARE(row(0), (QStringList{QStringLiteral("炮二平五"), QStringLiteral("59.27%")}));
    QCOMPARE(row(1), (QStringList{QStringLiteral("相三进五"), QStringLiteral("20.73%")}));
    QCOMPARE(row(2), (QStringList{QStringLiteral("马二进三"), QStringLiteral("20.00%")}));
    // After 炮二平五 the book knows one answer.
    playMoves({CANNON_TO_CENTRE});
    QVERIFY(pumpUntil([this] { return list()->topLevelItemCount() == 1; }, 2000));
    QCOMPARE(row(0), (QStringList{QStringLiteral("马８进７"), QStringLiteral("100.00%")}));
    BookWindow::instance().close();
}

void BookWindowTest::emptyOutsideTheBookAndInSetup() {
    MainWindow& w = freshGame();
    BookWindow::instance().open();
    QVERIFY(pumpUntil([this] { return list() && list()->topLevelItemCount() == 3; }, 2000));
    w.setSetupOpen(true);
    QVERIFY(pumpUntil([this] { return list()->topLevelItemCount() == 0; }, 2000));
    w.setSetupOpen(false);
    QVERIFY(pumpUntil([this] { return list()->topLevelItemCount() == 3; }, 2000));
    playMoves({RED_HORSE_OUT});
    QVERIFY(pumpUntil([this] { return list()->topLevelItemCount() == 0; }, 2000));
    BookWindow::instance().close();
}

SHELL_TEST(BookWindowTest);
#include "book_window_test.moc"
