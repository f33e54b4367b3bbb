// What the tool-window tests share: a fresh two-player game with the
// engine quiet, moves played as the user plays them, and the openings'
// first moves.
#pragma once

#include <QString>
#include <initializer_list>

#include "engine/types.h"

class Game;
class QTreeWidget;
class QWidget;
class MainWindow;

// 炮二平五, 马８进７, 马二进三, 车９平８ from the initial position.
constexpr PackedMove CANNON_TO_CENTRE = packMove(1, 2, 4, 2);
constexpr PackedMove BLACK_HORSE_OUT = packMove(1, 9, 2, 7);
constexpr PackedMove RED_HORSE_OUT = packMove(1, 0, 2, 2);
constexpr PackedMove BLACK_ROOK_ACROSS = packMove(0, 9, 1, 9);

// The started window with a new two-player game: no background thinking,
// no animation, no sound, nothing modified, set-up closed.
MainWindow& freshGame();
// Plays the moves as a drop on the board would (judged, marked modified).
void playMoves(std::initializer_list<PackedMove> moves);
// Types text into a widget as key presses (any characters, not only Latin-1).
void typeText(QWidget* widget, const QString& text);
// A double-click on a cell of a list, as the mouse gives it.
void doubleClickCell(QTreeWidget* list, int row, int column);
// Turns the mouse wheel over a widget: positive notches away from the user.
void wheelNotch(QWidget* widget, int notches);
// The game-information and situation windows' idle steps, as one idle pass runs them.
void toolIdle();
