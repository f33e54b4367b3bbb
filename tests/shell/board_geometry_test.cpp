// Where points lie on the board in both orientations, which cell every
// pixel belongs to, and how a window is brought back on screen.
#include <QTest>

#include "shell/board_geometry.h"
#include "shell/keep_on_screen.h"
#include "shell_support.h"

class BoardGeometryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellOriginsInBothOrientations();
    void everyPixelBelongsToTheCellOfItsPoint();
    void pixelsJustOutsideTheBoardAreOffIt();
    void offsetsRunFromTheCellsTopLeft();
    void keepOnScreenMovesOnlyLostWindows();
};

void BoardGeometryTest::cellOriginsInBothOrientations() {
    BoardGeometry g;
    g.reverse = false;
    QCOMPARE(g.cellOrigin({0, 0}), QPoint(15, 40));
    QCOMPARE(g.cellOrigin({8, 9}), QPoint(335, 400));
    g.reverse = true;
    // Rotated: Red's corner (file 0, rank 0) at the bottom right.
    QCOMPARE(g.cellOrigin({0, 0}), QPoint(335, 400));
    QCOMPARE(g.cellOrigin({8, 9}), QPoint(15, 40));
    QCOMPARE(g.cellOrigin({4, 0}), QPoint(175, 400));
}

void BoardGeometryTest::everyPixelBelongsToTheCellOfItsPoint() {
    for (const bool reverse : {false, true}) {
        BoardGeometry g;
        g.reverse = reverse;
        for (int y = 0; y < BOARD_HEIGHT; ++y) {
            for (int x = 0; x < BOARD_WIDTH; ++x) {
                QPoint offset;
                const GridPoint p = g.pointToGrid({x, y}, &offset);
                const QPoint origin = g.cellOrigin(p);
                if (origin + offset != QPoint(x, y) || offset.x() < 0 || offset.x() > 39 || offset.y() < 0 ||
                    offset.y() > 39) {
                    QFAIL(qPrintable(QString("pixel %1,%2 reverse %3: point %4,%5 offset %6,%7")
                                         .arg(x).arg(y).arg(reverse).arg(p.file).arg(p.rank)
                                         .arg(offset.x()).arg(offset.y())));
                }
            }
        }
    }
}

void BoardGeometryTest::pixelsJustOutsideTheBoardAreOffIt() {
    BoardGeometry g;
    g.reverse = false;
    // One pixel left of file 0's cell and one above rank 0's: off the board.
    QCOMPARE(int(g.pointToGrid({14, 100}).file), -1);
    QCOMPARE(int(g.pointToGrid({100, 39}).rank), -1);
    QCOMPARE(int(g.pointToGrid({15, 40}).file), 0);
    g.reverse = true;
    // Rotated, file 0 is on the right: its cell ends at x = 374.
    QCOMPARE(int(g.pointToGrid({374, 100}).file), 0);
    QCOMPARE(int(g.pointToGrid({375, 100}).file), -1);
    QCOMPARE(int(g.pointToGrid({100, 440}).rank), -1);
    // The leftmost column of a rotated cell is still that cell's file.
    QCOMPARE(int(g.pointToGrid({g.cellOrigin({3, 5}).x(), 250}).file), 3);
}

void BoardGeometryTest::offsetsRunFromTheCellsTopLeft() {
    for (const bool reverse : {false, true}) {
        BoardGeometry g;
        g.reverse = reverse;
        const QPoint o = g.cellOrigin({2, 7});
        QPoint offset;
        const GridPoint p = g.pointToGrid(o + QPoint(20, 20), &offset);
        QCOMPARE(p, (GridPoint{2, 7}));
        QCOMPARE(offset, QPoint(20, 20));
        g.pointToGrid(o + QPoint(3, 37), &offset);
        QCOMPARE(offset, QPoint(3, 37));
    }
}

void BoardGeometryTest::keepOnScreenMovesOnlyLostWindows() {
    const QRect work(0, 0, 1000, 700);
    const QRect frame(100, 100, 400, 500);
    QCOMPARE(keptOnScreen(frame, QRect(100, 100, 400, 20), work), frame);
    // Title bar beyond the right and bottom edges: shifted back by the excess.
    const QRect lost(900, 650, 400, 500);
    QCOMPARE(keptOnScreen(lost, QRect(900, 700, 400, 20).translated(200, 0), work).topLeft(), QPoint(600, 200));
    // Above and left of the work area: clamped to its corner.
    const QRect high(-600, -300, 400, 200);
    QCOMPARE(keptOnScreen(high, QRect(-600, -300, 400, 20), work).topLeft(), QPoint(0, 0));
}

SHELL_TEST(BoardGeometryTest);
#include "board_geometry_test.moc"
