// The English interface, window by window: with the English translation
// installed, every window and dialog is opened once (menus, toolbar, tool
// windows, the dialogs behind the menu commands, message boxes, a PGN
// collection's chooser) and every text it shows is read. A text with a
// Chinese character in it is a text someone forgot to translate; the ones
// listed print, so that the failure names them. The records' own texts
// (players, the result field, comments) are the user's and stay as typed.
//
// MORLAN_TEST_QM=file.qm installs that translation instead of the carried
// one, to count what an older translation leaves Chinese.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <functional>
#include <set>

#include "engine/engine.h"
#include "engine/service.h"
#include "game/game.h"
#include "shell/main_window/command_ids.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/interface_language.h"
#include "shell/windows/game_info_window.h"
#include "shell/windows/setup_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

namespace {

bool hasChinese(const QString& text) {
    static const QRegularExpression han(QStringLiteral("[\\x{3400}-\\x{9FFF}]"));
    return text.contains(han);
}

// Texts that are right in Chinese under the English interface: the name of
// the Chinese language in 设置 → 语言, which each language shows in its own
// words, and that menu's Chinese name beside its English one, for a player
// who has to find the way back.
const std::set<QString>& rightInChinese() {
    static const std::set<QString> texts{QStringLiteral("中文"), QStringLiteral("Language (语言)")};
    return texts;
}

// Every text a window shows, with where it was seen.
class TextSweep {
public:
    QStringList chinese;  // "where: text"
    int texts = 0;

    void window(QWidget* top) {
        sweep(top, top);
        for (QWidget* w : top->findChildren<QWidget*>()) sweep(top, w);
    }

    void menus(QWidget* top, const QList<QAction*>& actions) {
        for (QAction* a : actions) {
            see(top, QStringLiteral("menu"), a->text());
            see(top, QStringLiteral("tip"), a->toolTip());
            see(top, QStringLiteral("status"), a->statusTip());
            if (a->menu()) menus(top, a->menu()->actions());
        }
    }

private:
    std::set<QString> seen;

    void see(QWidget* top, const QString& kind, const QString& text) {
        if (text.isEmpty()) return;
        ++texts;
        if (!hasChinese(text) || rightInChinese().count(text)) return;
        const QString line = QStringLiteral("%1 %2: %3").arg(top->metaObject()->className(), kind, text);
        if (seen.insert(line).second) chinese << line;
    }

    // Fields that hold the record's own texts, typed by the user.
    static bool holdsRecordText(QWidget* w) {
        QWidget* info = GameInfoWindow::instance().window();
        return qobject_cast<QLineEdit*>(w) && info && info->isAncestorOf(w);
    }

    void sweep(QWidget* top, QWidget* w) {
        if (!w->isVisible()) return;
        if (w->isWindow()) see(top, QStringLiteral("title"), w->windowTitle());
        see(top, QStringLiteral("tooltip"), w->toolTip());
        if (auto* l = qobject_cast<QLabel*>(w)) see(top, QStringLiteral("label"), l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) see(top, QStringLiteral("button"), b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) see(top, QStringLiteral("group"), g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w); e && !holdsRecordText(w)) {
            see(top, QStringLiteral("edit"), e->text());
            see(top, QStringLiteral("placeholder"), e->placeholderText());
        }
        if (auto* s = qobject_cast<QSpinBox*>(w)) {
            see(top, QStringLiteral("spin"), s->prefix());
            see(top, QStringLiteral("spin"), s->suffix());
        }
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) see(top, QStringLiteral("choice"), c->itemText(i));
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) see(top, QStringLiteral("tab"), t->tabText(i));
        if (auto* v = qobject_cast<QAbstractItemView*>(w)) items(top, v);
        if (auto* m = qobject_cast<QMenuBar*>(w)) menus(top, m->actions());
        if (auto* b = qobject_cast<QToolBar*>(w)) menus(top, b->actions());
    }

    void items(QWidget* top, QAbstractItemView* view) {
        const QAbstractItemModel* model = view->model();
        if (!model) return;
        for (int c = 0; c < model->columnCount(); ++c)
            see(top, QStringLiteral("heading"), model->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < model->rowCount() && r < 200; ++r)
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex i = model->index(r, c);
                see(top, QStringLiteral("item"), model->data(i).toString());
                see(top, QStringLiteral("item tip"), model->data(i, Qt::ToolTipRole).toString());
            }
    }
};

}  // namespace

class EnglishInterfaceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyWindowSpeaksEnglish();

private:
    TextSweep sweep;
    // Runs `open`, which brings up a modal window; reads each modal window
    // that comes up (`inside` works in the first), then closes it.
    void modal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside = {});
    void visibleWindows() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) sweep.window(w);
    }
};

void EnglishInterfaceTest::modal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside) {
    int seen = 0;
    QTimer watcher;
    watcher.setInterval(100);
    QWidget* last = nullptr;
    connect(&watcher, &QTimer::timeout, [&] {
        QWidget* up = QApplication::activeModalWidget();
        if (!up || up == last) return;
        last = up;
        pump(0);
        sweep.window(up);
        if (seen++ == 0 && inside) inside(up);
        if (auto* box = qobject_cast<QMessageBox*>(up)) {
            // The box's own "No"/"Cancel": the question changes nothing.
            if (QAbstractButton* no = box->button(QMessageBox::No)) no->click();
            else if (QAbstractButton* cancel = box->button(QMessageBox::Cancel)) cancel->click();
            else up->close();
        } else {
            up->close();
        }
    });
    watcher.start();
    open();
    watcher.stop();
    QVERIFY2(seen > 0, "no modal window came up");
}

void EnglishInterfaceTest::everyWindowSpeaksEnglish() {
    const QByteArray older = qgetenv("MORLAN_TEST_QM");
    if (older.isEmpty()) {
        QVERIFY(installInterfaceLanguage(InterfaceLanguage::English));
    } else {
        auto* t = new QTranslator(QCoreApplication::instance());
        QVERIFY(t->load(QString::fromLocal8Bit(older)));
        QCoreApplication::installTranslator(t);
    }
    MainWindow& window = startedWindow();
    Game& game = Game::instance();
    game.setMode(MODE_TWO_HUMANS);

    // Messages before there is a record: a review of nothing, a file that is not there.
    modal([&] { window.onCommand(CMD_REVIEW); });
    modal([&] { game.openFile("missing-game.sav"); });

    // Four moves, then an analysis: the windows have something to show.
    dragPoint(window.boardView(), {7, 2}, {4, 2});
    dragPoint(window.boardView(), {1, 9}, {2, 7});
    dragPoint(window.boardView(), {7, 0}, {6, 2});
    dragPoint(window.boardView(), {0, 9}, {1, 9});
    pump(300);
    for (int command : {CMD_VIEW_TIMER, CMD_VIEW_GAME_INFO, CMD_VIEW_BOOK, CMD_VIEW_SITUATION, CMD_VIEW_ENGINE_LOG,
                        CMD_VIEW_EXPLORER, CMD_VIEW_GRAPH, CMD_ENGINE_MATCH})
        window.onCommand(command);
    thinkingEngine().setLimits({LIMIT_DEPTH, 6, 0});
    game.analyse();
    QVERIFY(pumpUntil([&] { return game.thinkingStatus() != THINKING_ANALYSIS; }, 60000));
    pump(500);
    visibleWindows();

    modal([&] { window.onCommand(CMD_LEVEL_CUSTOM); });
    modal([&] { window.onCommand(CMD_TIME_CONTROL); });
    modal([&] { window.onCommand(CMD_ABOUT); });
    modal([&] { window.onCommand(CMD_ENGINE_MANAGER); }, [&](QWidget* manager) {
        // The built-in engine's options, from the manager's own button.
        for (QPushButton* b : manager->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("Options...") && b->isEnabled()) b->click();
    });
    modal([&] { window.onCommand(CMD_REVIEW); });
    // The match window's settings.
    modal([&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            for (QPushButton* b : top->findChildren<QPushButton*>())
                if (b->isVisible() && b->text() == QStringLiteral("Settings...")) return b->click();
    });
    // Leaving a changed game asks first.
    modal([&] { window.onCommand(CMD_NEW_GAME); });

    // A collection of two games opens its chooser.
    {
        QFile pgn(QStringLiteral("two.pgn"));
        QVERIFY(pgn.open(QIODevice::WriteOnly));
        pgn.write("[Event \"A\"]\n[Red \"R\"]\n[Black \"B\"]\n[Result \"*\"]\n\n1. h2e2 h9g7 *\n\n"
                  "[Event \"B\"]\n[Red \"R\"]\n[Black \"B\"]\n[Result \"*\"]\n\n1. c3c4 *\n");
        pgn.close();
        modal([&] { window.openRecord("two.pgn"); });
    }

    // Set-up, read while it is open, then given up.
    window.onCommand(CMD_SETUP);
    pump(300);
    visibleWindows();
    if (auto* cancel = SetupWindow::instance().control<QPushButton>(IDC_CANCEL_SETUP)) cancel->click();
    pump(200);

    // The program's windows outlive the application object; they go hidden.
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    qInfo("%d texts read, %d with Chinese characters", sweep.texts, int(sweep.chinese.size()));
    for (const QString& line : sweep.chinese) qInfo("  %s", qPrintable(line));
    QVERIFY(sweep.texts > 300);
    QVERIFY2(sweep.chinese.isEmpty(), "texts left in Chinese (listed above)");
}

SHELL_TEST(EnglishInterfaceTest);
#include "english_interface_test.moc"
