// The board sizes of 查看 → 棋盘大小: the menu, the window around the
// board, picking up, dragging and dropping on a larger board, the set-up
// palette, the slide's speed, and pictures drawn at the screen's own
// resolution (sharp rims, whole-pixel lines), also on a screen with two
// pixels to the window's pixel.
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <cstdio>

#include "game/game.h"
#include "shell/board/bitmap_set.h"
#include "shell/board/board_fit.h"
#include "shell/board/board_scale.h"
#include "shell/board/board_view.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/windows/setup_window.h"
#include "shell/windows/keep_on_screen.h"
#include "shell_support.h"
#include "tool_window_support.h"

namespace {

constexpr GridPoint RED_CANNON{1, 2};
constexpr GridPoint CENTRE{4, 2};
constexpr int SIZE_200 = 3;
const QRgb INK = qRgb(74, 40, 18);  // the board's lines

QAction* sizeItem(MainWindow& w, int index) { return w.mainMenu().action(CMD_BOARD_SIZE_FIRST + index); }

// The ink pixels of row y between x0 and x1, and how many run side by side.
int inkRun(const QImage& image, int x0, int x1, int y) {
    int longest = 0, run = 0;
    for (int x = x0; x <= x1; ++x) {
        run = image.pixel(x, y) == INK ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The dark edge of a piece's disc: the first opaque pixel of its
// picture's row `row` from the left (of pieces `cell` pixels wide).
QRgb rimColour(const QImage& pieces, int code, int cell, int row) {
    for (int x = cell * code; x < cell * code + cell / 2; ++x) {
        if (qAlpha(pieces.pixel(x, row)) == 255) return pieces.pixel(x, row);
    }
    return 0;
}

// Across a piece's rim along row y, from x0 outside the piece towards x1:
// the pixels between the last one of bare board (as `bare` shows it) and
// the first that shows the rim's own colour; the whole rest of the row
// when the rim never reaches its colour (a blurred rim).
int rimBlur(const QImage& withPiece, const QImage& bare, QRgb rim, int x0, int x1, int y) {
    int edge = x0;
    while (edge < x1 && withPiece.pixel(edge, y) == bare.pixel(edge, y)) ++edge;
    int x = edge;
    while (x < x1 && colourDistance(withPiece.pixel(x, y), rim) > 30) ++x;
    return x - edge;
}
QImage viewImage(BoardView& view) { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

Board90 emptyBoard() {
    Board90 b{};
    b.fill(NO_PIECE);
    return b;
}

// A row a quarter cell above the centre of the piece on point p, from the
// left edge of its cell to near its centre: it crosses the rim away from
// the board's lines. In screen pixels, devicePixels to the window's pixel.
struct RimScan {
    int y, x0, x1;
};
RimScan rimScanOf(const BoardView& view, GridPoint p, int devicePixels) {
    const QPoint c = view.cellCentre(p) * devicePixels;
    const int quarter = view.cellSize() / 4 * devicePixels;
    return {c.y() - quarter, c.x() - 2 * quarter, c.x() - quarter / 2};
}

}  // namespace

class BoardSizeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void theMenuOffersFiveSizesOneTicked();
    void theWindowKeepsAFixedSizeAroundTheBoard();
    void pickUpRadiusFollowsTheSize();
    void dragAndDropAt200();
    void slidesKeepTheirPointsPerSecond();
    void setupPaletteAndDropAt200();
    void piecesAreSharpAt200();
    void boardLinesAreTwoPixelsWideAt200();
    void picturesAreDrawnOncePerSize();
    void aGrownWindowMovesOntoItsScreen();
    void atDoubleDensityTheClassicSizeIsDrawnSharp();
    void theSymbolSetChangesThePiecesAtTwoSizes();
    void onlySizesThatFitTheScreenAreOffered();

private:
    MainWindow* w = nullptr;
    BoardView* view = nullptr;
    Game* game = nullptr;
    void choose(int index) {
        sizeItem(*w, index)->trigger();
        pump(20);
    }
};

void BoardSizeTest::init() {
    w = &freshGame();
    view = &w->boardView();
    game = &Game::instance();
    QCOMPARE(view->scale(), 0);
}

void BoardSizeTest::cleanup() {
    w->setSetupOpen(false);
    if (SetupWindow::instance().isOpen()) {
        Game::instance().setModified(false);
        SetupWindow::instance().finish();
    }
    choose(0);
    w->mainMenu().action(CMD_PIECE_SET_FIRST)->trigger();
    if (!w->boardReversed()) w->rotateBoard();
}

// 国际符号: other pictures of the same size for every piece, red and black
// inks kept, on the classic board and a larger one; the board shows them.
void BoardSizeTest::theSymbolSetChangesThePiecesAtTwoSizes() {
    const auto reddish = [](const QImage& sheet, int code, int cell) {
        int n = 0;
        for (int y = 0; y < cell; ++y)
            for (int x = cell * code; x < cell * (code + 1); ++x) {
                const QRgb c = sheet.pixel(x, y);
                n += qAlpha(c) == 255 && qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80;
            }
        return n;
    };
    for (const int size : {0, SIZE_200}) {
        choose(size);
        const BoardLayout layout = view->geometry().layout(1.0);
        const QImage chinese = BitmapSet::instance().boardPictures(layout).pieces;
        const QImage symbols = BitmapSet::instance().boardPictures(layout, PieceSet::Symbols).pieces.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(symbols.size(), chinese.size());
        const int cell = view->cellSize();
        for (int code = 0; code < PIECE_CODES; ++code) {
            const QRect r(cell * code, 0, cell, cell);
            QVERIFY2(symbols.copy(r) != chinese.convertToFormat(QImage::Format_ARGB32).copy(r), qPrintable(QString::number(code)));
            QCOMPARE(reddish(symbols, code, cell) > 0, code < 7);
        }
        const QImage before = viewImage(*view);
        w->mainMenu().action(CMD_PIECE_SET_LAST)->trigger();
        pump(20);
        QCOMPARE(view->pieceSet(), PieceSet::Symbols);
        QVERIFY(viewImage(*view) != before);
        w->mainMenu().action(CMD_PIECE_SET_FIRST)->trigger();
        pump(20);
        QCOMPARE(viewImage(*view), before);
    }
}

void BoardSizeTest::theMenuOffersFiveSizesOneTicked() {
    QMenu* viewMenu = nullptr;
    for (QAction* a : w->menuBar()->actions()) {
        if (a->text() == QStringLiteral("查看(&V)")) viewMenu = a->menu();
    }
    QVERIFY(viewMenu);
    QMenu* sizes = nullptr;
    for (QAction* a : viewMenu->actions()) {
        if (a->menu() && a->text() == QStringLiteral("棋盘大小(&D)")) sizes = a->menu();
    }
    QVERIFY(sizes);
    QStringList texts;
    for (QAction* a : sizes->actions()) {
        QVERIFY(a->isCheckable());
        texts << a->text();
    }
    QCOMPARE(texts, (QStringList{"100%", "125%", "150%", "200%", "250%"}));
    QVERIFY(sizeItem(*w, 0)->isChecked());
    choose(SIZE_200);
    QVERIFY(sizeItem(*w, SIZE_200)->isChecked());
    QVERIFY(!sizeItem(*w, 0)->isChecked());
    QCOMPARE(w->selectedItem(RadioGroup::BoardSize), SIZE_200);
    // Usable in set-up as every view item is.
    w->setSetupOpen(true);
    w->updateCommands();
    QVERIFY(sizeItem(*w, 1)->isEnabled());
}

void BoardSizeTest::theWindowKeepsAFixedSizeAroundTheBoard() {
    const int chrome = w->height() - view->height();
    const int toolbar = w->toolbarHeight();
    QCOMPARE(view->size(), QSize(BOARD_WIDTH, BOARD_HEIGHT));
    for (int i = BOARD_SCALE_COUNT - 1; i >= 0; --i) {
        choose(i);
        const BoardScale& s = BOARD_SCALES[i];
        QCOMPARE(view->size(), QSize(s.width, s.height));
        QCOMPARE(view->cellSize(), s.cell);
        QCOMPARE(w->width(), s.width);
        QCOMPARE(w->height() - view->height(), chrome);  // menu and toolbar as they were
        QCOMPARE(w->toolbarHeight(), toolbar);
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }
    QCOMPARE(view->cellOrigin({0, 0}), QPoint(335, 400));
}

void BoardSizeTest::pickUpRadiusFollowsTheSize() {
    // 18 pixels on the classic board: 22.5 at 125%, 36 at 200%.
    choose(1);
    QPoint c = view->cellCentre(RED_CANNON);
    QVERIFY(view->hitTest(c + QPoint(15, 16)).ok);
    QVERIFY(!view->hitTest(c + QPoint(16, 16)).ok);
    choose(SIZE_200);
    c = view->cellCentre(RED_CANNON);
    QVERIFY(view->hitTest(c + QPoint(0, -36)).ok);
    QVERIFY(!view->hitTest(c + QPoint(0, -37)).ok);
    QVERIFY(view->hitTest(c + QPoint(25, 25)).ok);
    QVERIFY(!view->hitTest(c + QPoint(26, 26)).ok);
    const BoardView::Hit hit = view->hitTest(c + QPoint(-30, 10));
    QVERIFY(hit.ok);
    QCOMPARE(hit.point, RED_CANNON);
    QCOMPARE(hit.offset, QPoint(10, 50));
}

void BoardSizeTest::dragAndDropAt200() {
    choose(SIZE_200);
    // Held off its centre, the piece lands where its centre is let go.
    const QPoint grip(-30, 12);
    dragMouse(*view, view->cellCentre(RED_CANNON) + grip, view->cellCentre(CENTRE) + grip + QPoint(35, 35));
    QCOMPARE(game->moveCount(), 1);
    QCOMPARE(game->recordEntry(0)->move, packMove(RED_CANNON, CENTRE));
    QCOMPARE(view->viewBoard(), game->board());
    // Black's horse on the turned-round board; then an illegal drop is silent.
    w->rotateBoard();
    dragPoint(*view, {7, 9}, {6, 7});
    QCOMPARE(game->moveCount(), 2);
    dragPoint(*view, {4, 2}, {4, 8});
    QCOMPARE(game->moveCount(), 2);
    QVERIFY(!view->dragging());
}

void BoardSizeTest::slidesKeepTheirPointsPerSecond() {
    for (const BoardScale& s : BOARD_SCALES) {
        BoardGeometry g;
        g.cell = s.cell;
        QCOMPARE(g.slidePixelsPerSecond() * CELL_SIZE / s.cell, 500.0);
    }
    choose(SIZE_200);
    w->mainMenu().setChecked(CheckMark::Animation, true);
    playMoves({CANNON_TO_CENTRE, BLACK_HORSE_OUT});
    const qint64 start = BoardView::now();
    w->onCommand(CMD_UNDO);
    QVERIFY(view->animating());
    QVERIFY(pumpUntil([this] { return !view->animating(); }, 5000));
    // A knight's step is 89 classic pixels whatever the size: 178 ms at least.
    QVERIFY(BoardView::now() - start >= 170);
    QCOMPARE(view->viewBoard(), game->board());
}

void BoardSizeTest::setupPaletteAndDropAt200() {
    game->enterSetup();
    pump(50);
    SetupWindow& setup = SetupWindow::instance();
    QVERIFY(setup.isOpen());
    setup.command(IDC_CLEAR_BOARD, NOTIFY_CLICKED);
    auto* palette = setup.window()->findChild<QWidget*>(QString::number(IDC_PALETTE));
    QVERIFY(palette);
    const QSize classicDialog = setup.window()->size();
    const QWidget* done = setup.window()->findChild<QWidget*>(QString::number(ID_OK));
    const int doneBelow = done->y() - palette->geometry().bottom();
    choose(SIZE_200);
    // The palette holds the larger grid; the buttons keep their place under it.
    const QSize contents = palette->contentsRect().size();
    QVERIFY(contents.width() >= 6 * 80 && contents.height() >= 2 * 80);
    QCOMPARE(done->y() - palette->geometry().bottom(), doneBelow);
    QVERIFY(setup.window()->height() > classicDialog.height());
    const QPoint origin = setup.paletteOrigin();
    QVERIFY(origin.x() >= 0 && origin.y() >= 0);
    // Black's rook (row 1, column 3): within 36 pixels of its cell's centre.
    const QPoint rook = origin + QPoint(3 * 80 + 40, 80 + 40);
    QVERIFY(setup.hitAt(rook + QPoint(0, 36)).ok);
    QVERIFY(!setup.hitAt(rook + QPoint(0, 37)).ok);
    QCOMPARE(setup.hitAt(rook + QPoint(-20, 0)).piece, BoardPiece(11));
    QCOMPARE(setup.hitAt(rook + QPoint(-20, 0)).offset, QPoint(20, 40));
    // Pressed off centre and dropped with the same grip on an empty point.
    QVERIFY(setup.pressPalette(rook + QPoint(-20, 0)));
    QVERIFY(view->dragging());
    const QPoint at = view->cellCentre({4, 4}) + QPoint(-20, 0);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(view->viewBoard()[boardIndex(4, 4)], BoardPiece(11));
    // Back to the classic size: the template's layout again.
    choose(0);
    QCOMPARE(setup.window()->size(), classicDialog);
    QCOMPARE(done->y() - palette->geometry().bottom(), doneBelow);
}

void BoardSizeTest::piecesAreSharpAt200() {
    const GridPoint rook{8, 0};  // Red's left rook: bottom left on the turned board
    const QImage classic = viewImage(*view);
    const Board90 start = view->viewBoard();
    view->showBoard(emptyBoard());
    const QImage classicBare = viewImage(*view);
    view->showBoard(start);
    // The classic view scaled up as a screen would scale its bitmap.
    const QSize doubled = classic.size() * 2;
    const QImage blurred = classic.scaled(doubled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage blurredBare = classicBare.scaled(doubled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const RimScan atClassic = rimScanOf(*view, rook, 2);

    choose(SIZE_200);
    const QImage sharp = viewImage(*view);
    view->showBoard(emptyBoard());
    const QImage sharpBare = viewImage(*view);
    view->showBoard(start);
    QCOMPARE(sharp.size(), doubled);
    const RimScan at200 = rimScanOf(*view, rook, 1);
    // The rim's colour in the rook's picture, a quarter cell above its centre.
    const QImage& pieces = BitmapSet::instance().boardPictures(view->geometry().layout(1.0)).pieces;
    const QRgb rim = rimColour(pieces, 4, view->cellSize(), view->cellSize() / 4);
    const int sharpBlur = rimBlur(sharp, sharpBare, rim, at200.x0, at200.x1, at200.y);
    const int scaledBlur = rimBlur(blurred, blurredBare, rim, atClassic.x0, atClassic.x1, atClassic.y);
    // One pixel of antialiasing, where the scaled bitmap never shows the
    // rim's colour at all.
    QVERIFY2(sharpBlur <= 2, qPrintable(QString::number(sharpBlur)));
    QVERIFY2(scaledBlur >= 8, qPrintable(QString::number(scaledBlur)));
}

void BoardSizeTest::boardLinesAreTwoPixelsWideAt200() {
    choose(SIZE_200);
    view->showBoard(emptyBoard());
    const QImage image = viewImage(*view);
    view->restoreView();
    // Between ranks 3 and 4, across the lines of files 1 to 7; and down
    // the line of file 3, across the lines of ranks 1 to 3.
    for (int file = 1; file <= 7; ++file) {
        const QPoint c = view->cellCentre({static_cast<std::int8_t>(file), 3});
        QCOMPARE(inkRun(image, c.x() - 10, c.x() + 10, c.y() - 40), 2);
    }
    const QImage turned = image.transformed(QTransform().rotate(90));
    for (int rank = 1; rank <= 3; ++rank) {
        const QPoint c = view->cellCentre({3, static_cast<std::int8_t>(rank)});
        // Rotated a quarter turn clockwise, pixel (x, y) is at (H - 1 - y, x).
        QCOMPARE(inkRun(turned, image.height() - 1 - c.y() - 10, image.height() - 1 - c.y() + 10, c.x() + 40), 2);
    }
    // Every point's line passes through its cell's centre pixel.
    for (int file = 0; file < 9; ++file) {
        for (int rank = 0; rank < 10; ++rank) {
            const QPoint c = view->cellCentre({static_cast<std::int8_t>(file), static_cast<std::int8_t>(rank)});
            QVERIFY2(image.pixel(c) == INK, qPrintable(QStringLiteral("%1,%2").arg(file).arg(rank)));
        }
    }
}

void BoardSizeTest::picturesAreDrawnOncePerSize() {
    BitmapSet& set = BitmapSet::instance();
    BoardGeometry g;
    const BoardPictures* classic = &set.boardPictures(g.layout(1.0));
    QCOMPARE(classic->board.cacheKey(), set.board().cacheKey());  // the carried bitmap
    const BoardScale& s = BOARD_SCALES[2];
    g = {s.width, s.height, true, s.cell};
    const BoardPictures& first = set.boardPictures(g.layout(1.0));
    QCOMPARE(first.board.size(), QSize(s.width, s.height));
    QCOMPARE(first.pieces.size(), QSize(14 * s.cell, s.cell));
    QCOMPARE(first.labels.size(), QSize(9 * s.cell / 2, 4 * s.cell / 2));
    QCOMPARE(first.marker.size(), QSize(s.cell, s.cell));
    const qint64 key = first.board.cacheKey();
    QCOMPARE(set.boardPictures(g.layout(1.0)).board.cacheKey(), key);
    // Another density is another drawing, in its own pixels.
    const BoardPictures& dense = set.boardPictures(BoardGeometry{}.layout(2.0));
    QCOMPARE(dense.board.size(), QSize(2 * BOARD_WIDTH, 2 * BOARD_HEIGHT));
    QCOMPARE(dense.board.devicePixelRatio(), 2.0);
    QVERIFY(dense.board.cacheKey() != set.board().cacheKey());
    // The pieces are transparent around their discs, opaque in the middle.
    const QImage& pieces = first.pieces;
    QCOMPARE(qAlpha(pieces.pixel(1, 1)), 0);
    QCOMPARE(qAlpha(pieces.pixel(s.cell / 2, s.cell / 2)), 255);
}

void BoardSizeTest::aGrownWindowMovesOntoItsScreen() {
    const QRect work(0, 0, 1000, 700);
    QCOMPARE(keptInside(QRect(100, 100, 400, 500), work), QRect(100, 100, 400, 500));
    QCOMPARE(keptInside(QRect(700, 400, 400, 500), work).topLeft(), QPoint(600, 200));
    // Larger than the work area: its top-left corner stays in it.
    QCOMPARE(keptInside(QRect(300, 200, 1200, 900), work).topLeft(), QPoint(0, 0));
    // The window at 250% near the bottom right of its screen moves in.
    const QRect screen = w->screen()->availableGeometry();
    w->move(screen.right() - 300, screen.bottom() - 300);
    pump(20);
    choose(BOARD_SCALE_COUNT - 1);
    const QRect frame = w->frameGeometry();
    QVERIFY(frame.left() >= screen.left() && frame.top() >= screen.top());
    if (frame.width() <= screen.width()) QVERIFY(frame.right() <= screen.right());
    if (frame.height() <= screen.height()) QVERIFY(frame.bottom() <= screen.bottom());
}

void BoardSizeTest::atDoubleDensityTheClassicSizeIsDrawnSharp() {
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("BoardAtDoubleDensity")});
    QVERIFY(second.waitForFinished(120000));
    const QString out = QString::fromUtf8(second.readAllStandardOutput());
    QVERIFY2(second.exitCode() == 0, qPrintable(out));
    QVERIFY(out.contains(QStringLiteral("PASS   : BoardAtDoubleDensity::theBoardIsDrawnInTheScreensPixels()")));
}

// On a 1600x1200 screen 250% does not fit (976x1200 of board alone plus
// the menu and toolbar); with two pixels to the window's pixel only the
// classic size does. A remembered 250% shows the largest that fits and
// stays the stored choice.
void BoardSizeTest::onlySizesThatFitTheScreenAreOffered() {
    const QSize chrome(0, 60);
    const struct {
        QSize available;
        int wanted;
        int shown;
    } cases[] = {
        {{1600, 1200}, 4, 3}, {{1600, 1200}, 2, 2}, {{800, 600}, 4, 0}, {{2560, 1600}, 4, 4},
    };
    for (const auto& c : cases) QCOMPARE(largestFittingScale(c.wanted, chrome, c.available), c.shown);
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MORLAN_TEST_SCREEN"), QStringLiteral("1600x1200"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QCoreApplication::applicationFilePath(), {QStringLiteral("BoardOnASmallScreen")});
    QVERIFY(second.waitForFinished(120000));
    const QString out = QString::fromUtf8(second.readAllStandardOutput());
    QVERIFY2(second.exitCode() == 0, qPrintable(out));
    QVERIFY(out.contains(QStringLiteral("PASS   : BoardOnASmallScreen::aRememberedSizeTooLargeFallsBack()")));
}

SHELL_TEST(BoardSizeTest);

// Started by the test above on a 1600x1200 screen, never on its own.
class BoardOnASmallScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aRememberedSizeTooLargeFallsBack() {
        MainWindow& w = freshGame();
        QCOMPARE(w.screen()->availableGeometry().size(), QSize(1600, 1200));
        w.selectItem(RadioGroup::BoardSize, BOARD_SCALE_COUNT - 1);  // as Tevrin.cfg gives it
        pump(20);
        QCOMPARE(w.boardView().scale(), SIZE_200);
        QVERIFY(sizeItem(w, SIZE_200)->isChecked());
        QAction* largest = sizeItem(w, BOARD_SCALE_COUNT - 1);
        QVERIFY(!largest->isEnabled());
        QVERIFY(largest->toolTip().contains(QStringLiteral("1600")));
        // The stored choice stays until the user picks one.
        QCOMPARE(w.selectedItem(RadioGroup::BoardSize), BOARD_SCALE_COUNT - 1);
        sizeItem(w, 1)->trigger();
        pump(20);
        QCOMPARE(w.boardView().scale(), 1);
        QCOMPARE(w.selectedItem(RadioGroup::BoardSize), 1);
    }
};
static ShellTestRegistration smallScreen("BoardOnASmallScreen",
                                         [] { return static_cast<QObject*>(new BoardOnASmallScreen); });

// Started by the test above with QT_SCALE_FACTOR=2, never on its own.
class BoardAtDoubleDensity : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theBoardIsDrawnInTheScreensPixels() {
        MainWindow& w = freshGame();
        BoardView& view = w.boardView();
        QCOMPARE(view.devicePixelRatio(), 2.0);
        QCOMPARE(view.size(), QSize(BOARD_WIDTH, BOARD_HEIGHT));
        const QImage image = viewImage(view);
        QCOMPARE(image.size(), QSize(2 * BOARD_WIDTH, 2 * BOARD_HEIGHT));
        // The lines two screen pixels wide through every point.
        for (int file = 1; file <= 7; ++file) {
            const QPoint c = view.cellCentre({static_cast<std::int8_t>(file), 3}) * 2;
            QCOMPARE(inkRun(image, c.x() - 10, c.x() + 10, c.y() - 40), 2);
        }
        const Board90 start = view.viewBoard();
        view.showBoard(emptyBoard());
        const QImage bare = viewImage(view);
        view.showBoard(start);
        const RimScan scan = rimScanOf(view, {8, 0}, 2);
        const QImage& pieces = BitmapSet::instance().boardPictures(view.geometry().layout(2.0)).pieces;
        const QRgb rim = rimColour(pieces, 4, 2 * CELL_SIZE, CELL_SIZE / 2);
        QVERIFY(rimBlur(image, bare, rim, scan.x0, scan.x1, scan.y) <= 2);
        QCOMPARE(view.hitTest(view.cellCentre(RED_CANNON) + QPoint(0, 18)).ok, true);
        QCOMPARE(view.hitTest(view.cellCentre(RED_CANNON) + QPoint(0, 19)).ok, false);
    }
};

static ShellTestRegistration doubleDensity("BoardAtDoubleDensity",
                                           [] { return static_cast<QObject*>(new BoardAtDoubleDensity); });
#include "board_size_test.moc"
