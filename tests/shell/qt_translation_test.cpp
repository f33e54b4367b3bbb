// Qt's own texts in Chinese: the save prompt's buttons once the
// translation is loaded (skipped where Qt's Chinese translation is not
// installed).
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "game/game.h"
#include "game/gbk.h"
#include "shell/main_window/main_window.h"
#include "shell/platform/qt_translation.h"
#include "shell_support.h"

class QtTranslationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savePromptButtonsAreChinese();
};

void QtTranslationTest::savePromptButtonsAreChinese() {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm");
    if (!QFile::exists(file)) QSKIP("Qt's Chinese translation (qt6-translations-l10n) is not installed");
    QVERIFY(installQtTranslation());
    MainWindow& w = startedWindow();
    QStringList buttons;
    QTimer::singleShot(50, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) buttons << b->text();
        box->button(QMessageBox::Cancel)->click();
    });
    const MessageAnswer answer =
        w.showMessage(GBK_ASK_SAVE, GBK_CAPTION_NOTICE, MessageIcon::Warning, MessageButtons::YesNoCancel);
    QVERIFY(answer == MessageAnswer::Cancel);
    QCOMPARE(buttons.size(), 3);
    const QString all = buttons.join(QLatin1Char(' '));
    QVERIFY2(all.contains(QStringLiteral("是")) && all.contains(QStringLiteral("否")) &&
                 all.contains(QStringLiteral("取消")),
             qPrintable(all));
}

SHELL_TEST(QtTranslationTest);
#include "qt_translation_test.moc"
