// The list of a PGN collection's games: filtering by typed words, opening
// with Enter or a double-click, and Esc choosing nothing.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "shell/dialogs/pgn_game_chooser.h"
#include "shell_support.h"
#include "tool_window_support.h"

class PgnGameChooserTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsEveryGameWithItsColumns();
    void typedWordsNarrowTheList();
    void enterOpensTheGameUnderTheCursor();
    void enterWithNothingLeftKeepsTheListOpen();
    void doubleClickOpensThatGame();
    void escapeChoosesNothing();
    void textTypedInTheListGoesToTheFilter();
};

namespace {

std::vector<ChooserGame> sampleGames() {
    return {
        {1, QStringLiteral("许银川"), QStringLiteral("吕钦"), QStringLiteral("1-0"), QStringLiteral("2001.01.05"),
         QStringLiteral("全国个人赛"), 81},
        {2, QStringLiteral("胡荣华"), QStringLiteral("许银川"), QStringLiteral("1/2-1/2"),
         QStringLiteral("2001.01.06"), QStringLiteral("全国个人赛"), 120},
        {3, QStringLiteral("柳大华"), QStringLiteral("徐天红"), QStringLiteral("0-1"), QStringLiteral("1999.10.01"),
         QStringLiteral("五羊杯"), 64},
        {4, QStringLiteral("Wang"), QStringLiteral("Zhao"), QStringLiteral("1-0"), QStringLiteral("2010.05.01"),
         QStringLiteral("Asian Cup"), 9},
        {5, QStringLiteral("许银川"), QStringLiteral("柳大华"), QStringLiteral("1-0"), QStringLiteral("2003.03.03"),
         QStringLiteral("五羊杯"), 101},
    };
}

QString cell(const PgnGameChooser& c, int row, int column) {
    const QAbstractItemModel* m = c.gameList()->model();
    return m->data(m->index(row, column)).toString();
}

void showAndWait(PgnGameChooser& c) {
    c.show();
    QApplication::setActiveWindow(&c);
    QVERIFY(QTest::qWaitForWindowExposed(&c));
}

}  // namespace

void PgnGameChooserTest::listsEveryGameWithItsColumns() {
    PgnGameChooser c(sampleGames(), QStringLiteral("masters.pgn"));
    QCOMPARE(c.shownCount(), 5);
    QVERIFY(c.windowTitle().contains(QStringLiteral("masters.pgn")));
    const QAbstractItemModel* m = c.gameList()->model();
    QCOMPARE(m->columnCount(), 7);
    QStringList titles;
    for (int i = 0; i < 7; ++i) titles << m->headerData(i, Qt::Horizontal).toString();
    QCOMPARE(titles, (QStringList{"序号", "红方", "黑方", "结果", "日期", "赛事", "步数"}));
    // The rows keep the file's order.
    QCOMPARE(cell(c, 0, 0), QStringLiteral("1"));
    QCOMPARE(cell(c, 2, 1), QStringLiteral("柳大华"));
    QCOMPARE(cell(c, 2, 3), QStringLiteral("0-1"));
    QCOMPARE(cell(c, 2, 4), QStringLiteral("1999.10.01"));
    QCOMPARE(cell(c, 2, 5), QStringLiteral("五羊杯"));
    QCOMPARE(cell(c, 2, 6), QStringLiteral("64"));
    // Sorting by length sorts numbers as numbers (9 before 64).
    c.gameList()->sortByColumn(6, Qt::AscendingOrder);
    QCOMPARE(cell(c, 0, 6), QStringLiteral("9"));
    QCOMPARE(cell(c, 1, 6), QStringLiteral("64"));
    QCOMPARE(cell(c, 4, 6), QStringLiteral("120"));
    // A sort holds while the filter narrows and widens the list, and Enter
    // opens the game shown on top, not the one at that row in the file.
    c.gameList()->sortByColumn(6, Qt::DescendingOrder);
    c.filterEdit()->setText(QStringLiteral("许银川"));
    QCOMPARE((QStringList{cell(c, 0, 0), cell(c, 1, 0), cell(c, 2, 0)}), (QStringList{"2", "5", "1"}));
    c.filterEdit()->clear();
    QCOMPARE(cell(c, 0, 6), QStringLiteral("120"));
    QCOMPARE(cell(c, 4, 6), QStringLiteral("9"));
    c.filterEdit()->setText(QStringLiteral("五羊"));
    c.gameList()->setCurrentIndex(c.gameList()->model()->index(0, 0));
    QTest::keyClick(c.gameList(), Qt::Key_Return);
    QCOMPARE(c.chosenGame(), 5);
}

void PgnGameChooserTest::typedWordsNarrowTheList() {
    PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
    showAndWait(c);
    QCOMPARE(QApplication::focusWidget(), c.filterEdit());
    typeText(c.filterEdit(), QStringLiteral("许银川"));
    QCOMPARE(c.shownCount(), 3);
    // Every word must be found, each in any column.
    typeText(c.filterEdit(), QStringLiteral(" 五羊"));
    QCOMPARE(c.shownCount(), 1);
    QCOMPARE(cell(c, 0, 0), QStringLiteral("5"));
    // Letters match without regard to case.
    c.filterEdit()->setText(QStringLiteral("asian"));
    QCOMPARE(c.shownCount(), 1);
    c.filterEdit()->setText(QStringLiteral("nobody"));
    QCOMPARE(c.shownCount(), 0);
    // Simplified and traditional characters find each other, and the window says how many match.
    struct Case {
        const char* typed;
        int shown;
    };
    constexpr Case CASES[] = {{"許銀川", 3}, {"许銀川 呂欽", 1}, {"五羊盃", 2}, {"劉大華", 0}, {"柳大華", 2}};
    for (const Case& k : CASES) {
        c.filterEdit()->setText(QString::fromUtf8(k.typed));
        QCOMPARE(c.shownCount(), k.shown);
        QVERIFY(c.countText().contains(QString::number(k.shown)));
    }
    c.filterEdit()->clear();
    QCOMPARE(c.shownCount(), 5);
    QCOMPARE(c.countText(), QStringLiteral("共 5 局"));
    QVERIFY(c.isVisible());
}

void PgnGameChooserTest::enterOpensTheGameUnderTheCursor() {
    {
        PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
        showAndWait(c);
        // The first game shown is under the cursor at once.
        QTest::keyClick(c.filterEdit(), Qt::Key_Return);
        QCOMPARE(c.result(), int(QDialog::Accepted));
        QCOMPARE(c.chosenGame(), 1);
    }
    {
        PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
        showAndWait(c);
        typeText(c.filterEdit(), QStringLiteral("五羊杯"));
        // The arrow keys move through the list while the filter keeps the focus.
        QTest::keyClick(c.filterEdit(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), c.filterEdit());
        QTest::keyClick(c.filterEdit(), Qt::Key_Enter);
        QCOMPARE(c.result(), int(QDialog::Accepted));
        QCOMPARE(c.chosenGame(), 5);
    }
    {
        // Enter in the list itself.
        PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
        showAndWait(c);
        c.gameList()->setFocus();
        c.gameList()->setCurrentIndex(c.gameList()->model()->index(3, 0));
        QTest::keyClick(c.gameList(), Qt::Key_Return);
        QCOMPARE(c.chosenGame(), 4);
    }
}

void PgnGameChooserTest::enterWithNothingLeftKeepsTheListOpen() {
    PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
    showAndWait(c);
    typeText(c.filterEdit(), QStringLiteral("nobody"));
    QTest::keyClick(c.filterEdit(), Qt::Key_Return);
    QVERIFY(c.isVisible());
    QCOMPARE(c.chosenGame(), 0);
}

void PgnGameChooserTest::doubleClickOpensThatGame() {
    PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
    showAndWait(c);
    QTableView* list = c.gameList();
    const QPoint at = list->visualRect(list->model()->index(2, 1)).center();
    // A double-click is a press, a release, then the double-click itself.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY(c.isVisible());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(c.result(), int(QDialog::Accepted));
    QCOMPARE(c.chosenGame(), 3);
}

void PgnGameChooserTest::escapeChoosesNothing() {
    PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
    showAndWait(c);
    QTest::keyClick(c.filterEdit(), Qt::Key_Down);
    QTest::keyClick(c.filterEdit(), Qt::Key_Escape);
    QVERIFY(!c.isVisible());
    QCOMPARE(c.result(), int(QDialog::Rejected));
    QCOMPARE(c.chosenGame(), 0);
}

void PgnGameChooserTest::textTypedInTheListGoesToTheFilter() {
    PgnGameChooser c(sampleGames(), QStringLiteral("a.pgn"));
    showAndWait(c);
    c.gameList()->setFocus();
    typeText(c.gameList(), QStringLiteral("zhao"));
    QCOMPARE(c.filterEdit()->text(), QStringLiteral("zhao"));
    QCOMPARE(c.shownCount(), 1);
    QCOMPARE(QApplication::focusWidget(), c.filterEdit());
}

SHELL_TEST(PgnGameChooserTest);
#include "pgn_game_chooser_test.moc"
