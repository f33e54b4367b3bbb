// board_pictures_bench: how long the pictures of each board size take to
// draw (board, pieces, labels, marker), at one and at two screen pixels to
// the window's pixel. The program draws each once, the first time the size
// is shown. Run with QT_QPA_PLATFORM=offscreen when there is no display.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <ctime>

#include "shell/board/board_pictures.h"
#include "shell/board/board_scale.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // Wall time, and the processor time (the fairer figure on a busy machine).
    std::printf("%-6s %-8s %12s %8s %8s\n", "size", "density", "pixels", "ms", "cpu ms");
    for (const double ratio : {1.0, 2.0}) {
        for (const BoardScale& s : BOARD_SCALES) {
            const BoardGeometry g{s.width, s.height, true, s.cell};
            QElapsedTimer t;
            t.start();
            const std::clock_t cpu = std::clock();
            const BoardPictures p = drawnBoardPictures(g.layout(ratio));
            const double cpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
            std::printf("%4d%%  %-8.0f %5dx%-6d %8lld %8.0f\n", s.percent, ratio, p.board.width(), p.board.height(),
                        static_cast<long long>(t.elapsed()), cpuMs);
        }
    }
    return 0;
}
