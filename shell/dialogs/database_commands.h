// 文件 → 打开棋库 / 新建棋库 / 导入到棋库: the one games database the program
// has open, the window listing its games, and imports with progress and 取消.
#pragma once

class GamesDatabase;
class QWidget;

// The open database (closed until one is opened).
GamesDatabase& openGamesDatabase();

// Asks for a database file (create: a new name) and opens it, then lists
// its games; a file that is not a database is reported and left alone.
void openGamesDatabaseFile(QWidget* parent, bool create);
// Lists the open database's games to open one, as the game chooser does.
void listDatabaseGames(QWidget* parent);
// Asks for collections and records and imports them into the open database
// (asking for one first when none is open), showing progress with 取消.
void importIntoGamesDatabase(QWidget* parent);
// Opens game id of the open database in the main window.
void openDatabaseGame(long long id);
