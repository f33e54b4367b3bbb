// Where points lie on the board in both orientations and at every board
// size, which cell every pixel belongs to, where the pictures' lines and
// labels fall, and how a window is brought back on screen.
#include <QTest>

#include "game/rules.h"
#include "shell/board/board_geometry.h"
#include "shell/board/board_scale.h"
#include "shell/windows/keep_on_screen.h"
#include "shell_support.h"

class BoardGeometryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cellOriginsInBothOrientations();
    void everyPixelBelongsToTheCellOfItsPoint();
    void atEverySizeCentresMapToThemselvesAndPixelsToOnePoint();
    void theTurnedBoardMirrorsTheBoardAtEverySize();
    void picturesPutTheLinesThroughTheCellCentres();
    void labelsAndPickUpRadiusFollowTheSize();
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

namespace {

BoardGeometry geometryOf(const BoardScale& s, bool reverse) { return {s.width, s.height, reverse, s.cell}; }

GridPoint point(int file, int rank) { return {static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)}; }

}  // namespace

void BoardGeometryTest::atEverySizeCentresMapToThemselvesAndPixelsToOnePoint() {
    for (const BoardScale& s : BOARD_SCALES) {
        for (const bool reverse : {false, true}) {
            const BoardGeometry g = geometryOf(s, reverse);
            const QString where = QStringLiteral("%1% reverse %2").arg(s.percent).arg(reverse);
            for (int file = 0; file < 9; ++file) {
                for (int rank = 0; rank < 10; ++rank) {
                    QPoint offset;
                    const QPoint c = g.cellCentre(point(file, rank));
                    QVERIFY2(g.pointToGrid(c, &offset) == point(file, rank), qPrintable(where));
                    QCOMPARE(offset, QPoint(s.cell / 2, s.cell / 2));
                }
            }
            // Every pixel of the board area is in one cell, at its offset
            // from that cell's top-left pixel; so no pixel is in two.
            int onBoard = 0;
            for (int y = 0; y < s.height; ++y) {
                for (int x = 0; x < s.width; ++x) {
                    QPoint offset;
                    const GridPoint p = g.pointToGrid({x, y}, &offset);
                    if (g.cellOrigin(p) + offset != QPoint(x, y) || offset.x() < 0 || offset.x() >= s.cell ||
                        offset.y() < 0 || offset.y() >= s.cell) {
                        QFAIL(qPrintable(QStringLiteral("%1: pixel %2,%3").arg(where).arg(x).arg(y)));
                    }
                    onBoard += isOnBoard(p);
                }
            }
            // ... and the cells of the 90 points are whole inside the area.
            QCOMPARE(onBoard, 90 * s.cell * s.cell);
        }
    }
}

void BoardGeometryTest::theTurnedBoardMirrorsTheBoardAtEverySize() {
    // One picture serves both orientations: turned round, a point's cell is
    // the mirrored cell of the point opposite.
    for (const BoardScale& s : BOARD_SCALES) {
        const BoardGeometry up = geometryOf(s, false), turned = geometryOf(s, true);
        for (int file = 0; file < 9; ++file) {
            for (int rank = 0; rank < 10; ++rank) {
                const QPoint a = up.cellOrigin(point(file, rank));
                const QPoint b = turned.cellOrigin(point(8 - file, 9 - rank));
                QCOMPARE(a, b);
                QCOMPARE(turned.cellOrigin(point(file, rank)),
                         QPoint(s.width - s.cell - a.x(), s.height - s.cell - a.y()));
            }
        }
    }
}

void BoardGeometryTest::picturesPutTheLinesThroughTheCellCentres() {
    for (const BoardScale& s : BOARD_SCALES) {
        for (const double ratio : {1.0, 2.0}) {
            const BoardLayout layout = geometryOf(s, false).layout(ratio);
            const BoardGeometry g = geometryOf(s, false);
            QCOMPARE(layout.deviceCell(), int(s.cell * ratio));
            QCOMPARE(layout.deviceWidth(), int(s.width * ratio));
            const int w = layout.lineWidth();
            for (int i = 0; i < 10; ++i) {
                // The centre pixel of the cell (in screen pixels, the one
                // right of and below the centre) is on the line.
                const QPoint c = g.cellCentre(point(std::min(i, 8), i)) * ratio;
                if (i < 9) QVERIFY(layout.lineX(i) <= c.x() && c.x() < layout.lineX(i) + w);
                QVERIFY(layout.lineY(i) <= c.y() && c.y() < layout.lineY(i) + w);
            }
        }
    }
    // One pixel on the classic board, two at 200% or at double density.
    QCOMPARE(BoardLayout{}.lineWidth(), 1);
    QCOMPARE(BoardLayout{}.lineX(0), 35);
    QCOMPARE(BoardLayout{}.lineY(9), 420);
    QCOMPARE(geometryOf(BOARD_SCALES[3], false).layout(1.0).lineWidth(), 2);
    QCOMPARE(BoardGeometry{}.layout(2.0).lineWidth(), 2);
    QCOMPARE(BoardGeometry{}.layout(2.0).lineX(0), 70);
}

void BoardGeometryTest::labelsAndPickUpRadiusFollowTheSize() {
    const BoardGeometry classic;
    QCOMPARE(classic.labelOrigin(0, true), QPoint(25, 20));
    QCOMPARE(classic.labelOrigin(8, true), QPoint(345, 20));
    QCOMPARE(classic.labelOrigin(0, false), QPoint(345, 440));
    QCOMPARE(classic.labelSize(), 20);
    QCOMPARE(pickRadiusSquared(40), 18 * 18);
    QCOMPARE(pickRadiusSquared(80), 36 * 36);
    QCOMPARE(pickRadiusSquared(50), 506);  // 22.5 pixels
    for (const BoardScale& s : BOARD_SCALES) {
        const BoardGeometry g = geometryOf(s, false);
        for (int i = 0; i < 9; ++i) {
            for (const bool top : {true, false}) {
                // Centred on its file, between the board's edge and the cells.
                const QRect label(g.labelOrigin(i, top), QSize(g.labelSize(), g.labelSize()));
                const GridPoint under = point(top ? i : 8 - i, top ? 0 : 9);
                const QRect firstCell(g.cellOrigin(under), QSize(s.cell, s.cell));
                QCOMPARE(label.left() + g.labelSize() / 2, g.cellCentre(under).x());
                QVERIFY(label.top() >= 0 && label.bottom() < s.height);
                QVERIFY(top ? label.bottom() < firstCell.top() : label.top() > firstCell.bottom());
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
