#include "shell/dialogs/pgn_game_chooser.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/dialogs/em_size.h"
#include "shell/platform/variant_folding.h"
#include "shell/windows/dialog_units.h"
#include "shell/platform/shown_text.h"

namespace {

constexpr const char* COLUMN_TITLES[] = {QT_TRANSLATE_NOOP("Texts", "序号"), QT_TRANSLATE_NOOP("Texts", "红方"), QT_TRANSLATE_NOOP("Texts", "黑方"), QT_TRANSLATE_NOOP("Texts", "结果"), QT_TRANSLATE_NOOP("Texts", "日期"), QT_TRANSLATE_NOOP("Texts", "赛事"), QT_TRANSLATE_NOOP("Texts", "步数")};
constexpr int COLUMN_COUNT = static_cast<int>(std::size(COLUMN_TITLES));
constexpr int NUMBER_COLUMN = 0;
constexpr int PLIES_COLUMN = 6;
// Widths in dialog units, by column.
// In quarters of the font's height.
constexpr int COLUMN_WIDTHS[] = {14, 26, 26, 18, 26, 45, 14};
constexpr int LIST_WIDTH = 180;
constexpr int LIST_HEIGHT = 100;
constexpr int ROW_HEIGHT = 5;

// Every column's text of one game, folded (see variant_folding.h), one
// column after another with a separator no word holds.
QString searchText(const ChooserGame& g) {
    const QChar gap(0x1F);
    return foldVariants(QString::number(g.index) + gap + g.red + gap + g.black + gap + g.result + gap + g.date + gap +
                        g.event + gap + QString::number(g.plies));
}

// The games as a table; numbers stay numbers so that they sort as such.
// The rows shown are a list of game positions, narrowed by the filter and
// ordered by the sort: each change is one reset of that list, which the
// view takes at once even for tens of thousands of rows (a proxy's row
// removals cost the view far more).
class GameListModel final : public QAbstractTableModel {
public:
    GameListModel(std::vector<ChooserGame> g, QObject* parent) : QAbstractTableModel(parent), games(std::move(g)) {
        searchTexts.reserve(games.size());
        for (const ChooserGame& game : games) searchTexts.push_back(searchText(game));
        rows.resize(games.size());
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
    }

    // Keeps the rows in which every word of the filter text appears in some
    // column, so that "许银川 胜" finds that player's wins; simplified and
    // traditional characters match alike (許銀川 finds 许银川 and back).
    void setWords(const QString& text) {
        const QStringList words = foldVariants(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        beginResetModel();
        rows.clear();
        for (std::size_t i = 0; i < games.size(); ++i)
            if (hasWords(searchTexts[i], words)) rows.push_back(static_cast<int>(i));
        orderRows();
        endResetModel();
    }

    void sort(int column, Qt::SortOrder order) override {
        sortColumn = column;
        sortOrder = order;
        beginResetModel();
        orderRows();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : COLUMN_COUNT; }

    QVariant data(const QModelIndex& at, int role) const override {
        if (!at.isValid() || at.row() >= static_cast<int>(rows.size())) return {};
        const ChooserGame& g = games[static_cast<std::size_t>(rows[static_cast<std::size_t>(at.row())])];
        if (role == Qt::UserRole) return g.index;
        if (role == Qt::TextAlignmentRole && (at.column() == NUMBER_COLUMN || at.column() == PLIES_COLUMN)) {
            return int(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role != Qt::DisplayRole) return {};
        switch (at.column()) {
        case 0: return g.index;
        case 1: return g.red;
        case 2: return g.black;
        case 3: return g.result;
        case 4: return g.date;
        case 5: return g.event;
        case 6: return g.plies;
        default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= COLUMN_COUNT) {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        return shownText(COLUMN_TITLES[section]);
    }

private:
    static bool hasWords(const QString& text, const QStringList& words) {
        for (const QString& word : words)
            if (!text.contains(word)) return false;
        return true;
    }

    // The rows' order by a column, read from the games themselves; equal
    // keys keep the file's order.
    void orderRows() {
        const int column = sortColumn;
        auto less = [this, column](int a, int b) {
            const ChooserGame& x = games[static_cast<std::size_t>(a)];
            const ChooserGame& y = games[static_cast<std::size_t>(b)];
            switch (column) {
            case 1: return x.red < y.red;
            case 2: return x.black < y.black;
            case 3: return x.result < y.result;
            case 4: return x.date < y.date;
            case 5: return x.event < y.event;
            case 6: return x.plies < y.plies;
            default: return x.index < y.index;
            }
        };
        if (sortOrder == Qt::AscendingOrder) std::stable_sort(rows.begin(), rows.end(), less);
        else std::stable_sort(rows.begin(), rows.end(), [&less](int a, int b) { return less(b, a); });
    }

    std::vector<ChooserGame> games;
    std::vector<QString> searchTexts;
    std::vector<int> rows;  // positions in games, as shown
    int sortColumn = NUMBER_COLUMN;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};

bool movesSelection(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

PgnGameChooser::PgnGameChooser(std::vector<ChooserGame> games, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Texts::tr("选择棋局 - %1").arg(fileName));
    setFont(dialogFont());

    filter = new QLineEdit(this);
    filter->setPlaceholderText(Texts::tr("输入文字筛选棋局"));
    filter->setClearButtonEnabled(true);
    filter->installEventFilter(this);

    const int total = static_cast<int>(games.size());
    auto* model = new GameListModel(std::move(games), this);
    shown = model;
    count = new QLabel(this);

    list = new QTableView(this);
    list->setModel(shown);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTabKeyNavigation(false);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(emQuarters(*this, ROW_HEIGHT));
    list->horizontalHeader()->setStretchLastSection(false);
    list->setWordWrap(false);
    for (int c = 0; c < COLUMN_COUNT; ++c) list->setColumnWidth(c, emQuarters(*this, COLUMN_WIDTHS[c]));
    list->setSortingEnabled(true);
    list->sortByColumn(NUMBER_COLUMN, Qt::AscendingOrder);
    list->setMinimumSize(emQuarters(*this, LIST_WIDTH), emQuarters(*this, LIST_HEIGHT));
    list->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(Texts::tr("打开"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Texts::tr("取消"), QDialogButtonBox::RejectRole);
    open->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter);
    layout->addWidget(count);
    layout->addWidget(list);
    layout->addWidget(buttons);

    connect(filter, &QLineEdit::textChanged, this, [this, model, total](const QString& text) {
        model->setWords(text);
        showCount(total);
        selectFirstShown();
    });
    showCount(total);
    connect(list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) { openRow(at); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { openCurrent(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    selectFirstShown();
    filter->setFocus();
}

int PgnGameChooser::shownCount() const { return shown->rowCount(); }

void PgnGameChooser::showCount(int total) {
    const int n = shown->rowCount();
    count->setText(n == total ? Texts::tr("共 %1 局").arg(total)
                              : Texts::tr("共 %1 局，符合 %2 局").arg(total).arg(n));
}

void PgnGameChooser::selectFirstShown() {
    if (shown->rowCount() == 0) return;
    const QModelIndex first = shown->index(0, 0);
    list->setCurrentIndex(first);
    list->scrollTo(first);
}

void PgnGameChooser::openRow(const QModelIndex& row) {
    if (!row.isValid()) return;
    chosen = shown->data(shown->index(row.row(), 0), Qt::UserRole).toInt();
    accept();
}

// Enter with no row left by the filter opens nothing and keeps the list.
void PgnGameChooser::openCurrent() {
    QModelIndex row = list->currentIndex();
    if (!row.isValid() && shown->rowCount() > 0) row = shown->index(0, 0);
    openRow(row);
}

// The filter keeps the focus: the arrow keys move through the list from
// there, and text typed in the list goes to the filter.
bool PgnGameChooser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == filter && movesSelection(key->key())) {
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
        QApplication::sendEvent(list, &copy);
        return true;
    }
    if (watched == list && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        openCurrent();
        return true;
    }
    const bool typed = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (watched == list && typed) {
        filter->setFocus();
        filter->insert(key->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString PgnGameChooser::countText() const { return count->text(); }
