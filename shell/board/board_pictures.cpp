#include "shell/board/board_pictures.h"

#include "artwork/board_painter.h"
#include "artwork/label_painter.h"
#include "artwork/marker_painter.h"

BoardPictures drawnBoardPictures(const BoardLayout& layout, PieceSet set) {
    BoardPictures p{
        paintBoard(layout).convertToFormat(QImage::Format_RGB32),
        paintPieceSheet(layout.deviceCell(), set),
        paintLabelSheet(layout.deviceLabel()),
        paintMarker(layout.deviceCell()),
    };
    for (QImage* image : {&p.board, &p.pieces, &p.labels, &p.marker}) {
        image->setDevicePixelRatio(layout.devicePixelRatio);
    }
    return p;
}
