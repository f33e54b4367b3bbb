#include "shell/windows/move_texts.h"

MoveTexts& MoveTexts::instance() {
    static MoveTexts texts;
    return texts;
}
