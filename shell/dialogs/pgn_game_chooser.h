// The list of the games in a PGN collection, shown when the file holds
// more than one: number, Red, Black, result, date, event and length of
// each. Typing narrows the list (every word must appear in some column);
// Enter or a double-click opens the game under the cursor; Esc changes
// nothing. Simplified and traditional characters match alike.
#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLabel;
class QLineEdit;
class QAbstractItemModel;
class QTableView;
class QModelIndex;

// One row of the list, in Qt's text.
struct ChooserGame {
    int index = 0;  // the game's number in the file, from 1
    QString red, black, result, date, event;
    int plies = 0;
};

class PgnGameChooser final : public QDialog {
public:
    PgnGameChooser(std::vector<ChooserGame> games, const QString& fileName, QWidget* parent = nullptr);

    // The chosen game's number in the file, or 0 when none was chosen.
    int chosenGame() const { return chosen; }
    // The rows the filter leaves (the window says how many).
    int shownCount() const;
    QString countText() const;
    QLineEdit* filterEdit() const { return filter; }
    QTableView* gameList() const { return list; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openRow(const QModelIndex& row);
    void openCurrent();
    void selectFirstShown();
    void showCount(int total);

    QLineEdit* filter = nullptr;
    QLabel* count = nullptr;
    QTableView* list = nullptr;
    QAbstractItemModel* shown = nullptr;
    int chosen = 0;
};
