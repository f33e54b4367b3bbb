// Positions the game tests share.
#pragma once

#include "engine/types.h"

// Black king on its home point, caught on its rank by one red rook and on
// the rank below by another; the red king stands off its file. Black to
// move has lost.
Board90 blackMatedBoard();
