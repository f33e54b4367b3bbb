// The custom level dialog: numbers clamped as they are typed, an emptied
// box left empty, the boxes enabling their edits, and what OK and Cancel
// hand on.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/engine.h"
#include "game/game.h"
#include "shell/main_window/command_ids.h"
#include "shell/dialogs/level_dialog.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"
#include "tool_window_support.h"

class LevelDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readClampedIntReadsTheLeadingNumber();
    void typingIsClampedAtOnce();
    void okKeepsTheRequestAndSelectsCustom();
    void cancelChangesNothing();

private:
    // Runs the dialog from its menu command; `act` works in it while it is up.
    void withDialog(const std::function<void()>& act);
    QLineEdit* edit(int id) { return LevelDialog::instance().control<QLineEdit>(id); }
    void type(int id, const QString& keys) {
        QLineEdit* e = edit(id);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, keys);
    }
};

void LevelDialogTest::withDialog(const std::function<void()>& act) {
    bool ran = false;
    QTimer::singleShot(50, [&] {
        ran = true;
        act();
        if (LevelDialog::instance().isOpen()) LevelDialog::instance().window()->close();
    });
    startedWindow().onCommand(CMD_LEVEL_CUSTOM);
    QVERIFY(ran);
    QVERIFY(!LevelDialog::instance().isOpen());
}

void LevelDialogTest::readClampedIntReadsTheLeadingNumber() {
    struct Case {
        const char* typed;
        int value;
        const char* shown;
    };
    const Case cases[] = {
        {"42", 42, "42"},  {"0", 1, "1"},           {"100", 99, "99"},         {"-5", 1, "1"},
        {"7abc", 7, "7"},  {"abc", 1, "1"},         {" 12", 12, "12"},         {"", 1, ""},
        {"99999999999999999999", 99, "99"},         {"007", 7, "7"},
    };
    for (const Case& c : cases) {
        QLineEdit e;
        e.setText(QString::fromLatin1(c.typed));
        QCOMPARE(readClampedInt(e, 1, 99), c.value);
        QCOMPARE(e.text(), QString::fromLatin1(c.shown));
    }
    // Only the first 31 characters are read.
    QLineEdit e;
    e.setText(QString(31, QLatin1Char(' ')) + QStringLiteral("5"));
    QCOMPARE(readClampedInt(e, 1, 9999), 1);
}

void LevelDialogTest::typingIsClampedAtOnce() {
    freshGame();
    withDialog([this] {
        LevelDialog& d = LevelDialog::instance();
        QVERIFY(d.isOpen());
        // The kept request: depth 8 only.
        QCOMPARE(edit(IDC_DEPTH)->text(), QStringLiteral("8"));
        QVERIFY(edit(IDC_DEPTH)->isEnabled());
        QVERIFY(!edit(IDC_SECONDS)->isEnabled());
        type(IDC_DEPTH, QStringLiteral("0"));
        QCOMPARE(edit(IDC_DEPTH)->text(), QStringLiteral("1"));
        type(IDC_DEPTH, QStringLiteral("100"));
        QCOMPARE(edit(IDC_DEPTH)->text(), QStringLiteral("99"));
        QCOMPARE(int(d.working().depth), 99);
        type(IDC_DEPTH, QString());
        QCOMPARE(edit(IDC_DEPTH)->text(), QString());
        QCOMPARE(int(d.working().depth), 1);
        // The time box enables its edit; seconds run to 9999.
        d.control<QCheckBox>(IDC_TIME_LIMIT)->click();
        QVERIFY(edit(IDC_SECONDS)->isEnabled());
        QCOMPARE(int(d.working().flags), int(LIMIT_DEPTH | LIMIT_TIME));
        type(IDC_SECONDS, QStringLiteral("123456"));
        QCOMPARE(edit(IDC_SECONDS)->text(), QStringLiteral("9999"));
        // Both boxes may be unticked.
        d.control<QCheckBox>(IDC_DEPTH_LIMIT)->click();
        d.control<QCheckBox>(IDC_TIME_LIMIT)->click();
        QCOMPARE(int(d.working().flags), 0);
        QVERIFY(!edit(IDC_DEPTH)->isEnabled() && !edit(IDC_SECONDS)->isEnabled());
    });
    // Closed without OK: the kept request is as it was.
    QCOMPARE(LevelDialog::instance().kept(), (SearchRequest{LIMIT_DEPTH, 8, 10}));
}

void LevelDialogTest::okKeepsTheRequestAndSelectsCustom() {
    freshGame();
    Game& game = Game::instance();
    game.setLevel(LEVEL_INTERMEDIATE);
    withDialog([this] {
        LevelDialog& d = LevelDialog::instance();
        d.control<QCheckBox>(IDC_TIME_LIMIT)->click();
        type(IDC_DEPTH, QStringLiteral("12"));
        type(IDC_SECONDS, QStringLiteral("30"));
        d.control<QPushButton>(ID_OK)->click();
    });
    const SearchRequest wanted{LIMIT_DEPTH | LIMIT_TIME, 12, 30};
    QCOMPARE(LevelDialog::instance().kept(), wanted);
    QCOMPARE(game.level(), LEVEL_CUSTOM);
    QCOMPARE(thinkingEngine().configuredLimits, wanted);
    QCOMPARE(startedWindow().customLimits(), wanted);
    // Reopened, it shows the kept request.
    withDialog([this] {
        QCOMPARE(edit(IDC_DEPTH)->text(), QStringLiteral("12"));
        QCOMPARE(edit(IDC_SECONDS)->text(), QStringLiteral("30"));
        QVERIFY(LevelDialog::instance().control<QCheckBox>(IDC_TIME_LIMIT)->isChecked());
    });
}

void LevelDialogTest::cancelChangesNothing() {
    freshGame();
    Game& game = Game::instance();
    game.setLevel(LEVEL_ADVANCED);
    const SearchRequest before = LevelDialog::instance().kept();
    withDialog([this] {
        type(IDC_DEPTH, QStringLiteral("3"));
        LevelDialog::instance().control<QPushButton>(ID_CANCEL)->click();
    });
    QCOMPARE(LevelDialog::instance().kept(), before);
    // The menu still shows the level that was chosen before.
    QCOMPARE(game.level(), LEVEL_ADVANCED);
    QCOMPARE(int(thinkingEngine().configuredLimits.seconds), 18);
    // A request kept while the level is not custom does not reach the engine.
    startedWindow().setCustomLimits({LIMIT_DEPTH, 5, 10});
    QCOMPARE(int(thinkingEngine().configuredLimits.seconds), 18);
    QCOMPARE(int(LevelDialog::instance().kept().depth), 5);
}

SHELL_TEST(LevelDialogTest);
#include "level_dialog_test.moc"
