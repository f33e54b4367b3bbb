// The program's GBK texts on screen: the catalog holds every text constant
// as it is, each is translated into English, and a message formatted in the
// game layer comes out translated with its arguments in place, while the
// Chinese interface shows every text exactly as it was.
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <set>

#include "game/gbk.h"
#include "shell/platform/interface_language.h"
#include "shell/platform/shown_text.h"
#include "shell/platform/text_catalog.h"
#include "shell_support.h"

namespace {

std::string gbk(const char* utf8) { return utf8ToGbkLossy(utf8); }

// printf's %s %d %.1f as Qt's %1 %2 ..., in order.
QString qtPlaceholders(QString text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\.\\d)?[sdf]"));
    for (int n = 1;; ++n) {
        const QRegularExpressionMatch m = placeholder.match(text);
        if (!m.hasMatch()) return text;
        text.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("%%1").arg(n));
    }
}

}  // namespace

class ShownTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextConstantIsInTheCatalog();
    void chineseTextsStayAsTheyAre();
    void englishTranslatesPatternsAndArguments();
    void placeholdersAreFilledOnce();
};

void ShownTextTest::everyTextConstantIsInTheCatalog() {
    std::set<QString> names;
    for (const CatalogEntry& e : textCatalog()) {
        names.insert(QString::fromLatin1(e.name));
        QCOMPARE(QString::fromUtf8(e.source), qtPlaceholders(QString::fromUtf8(gbkToUtf8Lossy(e.gbk))));
    }
    static const QRegularExpression constant(QStringLiteral("inline constexpr char (GBK_\\w+)\\[\\]"));
    static const QRegularExpression numerals(QStringLiteral("inline constexpr const char\\* (\\w+_NUMERALS)\\[(\\d+)\\]"));
    int declared = 0;
    for (const char* header : {"/../game/gbk.h", "/../database/database_texts.h"}) {
        QFile f(QStringLiteral(MORLAN_TEST_SOURCE_DIR) + QLatin1String(header));
        QVERIFY2(f.open(QIODevice::ReadOnly), header);
        const QString text = QString::fromUtf8(f.readAll());
        for (auto it = constant.globalMatch(text); it.hasNext(); ++declared) {
            const QString name = it.next().captured(1);
            QVERIFY2(names.count(name), qPrintable(name + " is missing: run tools/text_catalog/make_text_catalog.py"));
        }
        for (auto it = numerals.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            for (int i = 0; i < m.captured(2).toInt(); ++i, ++declared) {
                const QString name = QStringLiteral("%1[%2]").arg(m.captured(1)).arg(i);
                QVERIFY2(names.count(name), qPrintable(name + " is missing: run tools/text_catalog/make_text_catalog.py"));
            }
        }
    }
    QCOMPARE(declared, int(names.size()));
}

void ShownTextTest::chineseTextsStayAsTheyAre() {
    // No translation installed: this process never installs one before here.
    const char* texts[] = {"找不到文件 /tmp/a 100%.sav", "红方：判断 30 步，失误 2 步（缓着 1，错着 1，败着 0），开局库 4，平均损失 12.5",
                           "无法复盘：引擎出错", "第3步 h2e2 不合规则\n另存为 PGN", "不是目录里的文字"};
    for (const char* t : texts) QCOMPARE(shownGbk(gbk(t)), QString::fromUtf8(t));
}

void ShownTextTest::englishTranslatesPatternsAndArguments() {
    QVERIFY(installInterfaceLanguage(InterfaceLanguage::English));
    const struct {
        const char* shown;
        const char* wanted;
    } CASES[] = {
        {"另存为 PGN", "Save as PGN"},
        {"找不到文件 /tmp/红方 %1.sav", "File not found: /tmp/红方 %1.sav"},
        {"没有第12局", "There is no game 12"},
        {"棋谱.pgn 第7局", "棋谱.pgn game 7"},
        {"第3步 h2e2 不合规则", "Move 3, h2e2, is illegal"},
        // An argument that is a catalog text is translated too.
        {"无法打开文件：没有权限", "Cannot open the file: permission denied"},
        {"红方：判断 30 步，失误 2 步（缓着 1，错着 1，败着 0），开局库 4，平均损失 12.5",
         "Red: 30 moves judged, 2 mistakes (缓着 1, 错着 1, 败着 0), Opening Book 4, average loss 12.5"},
        // Formatted texts inside a formatted text.
        {"第5步 车从一路第十行到棋盘外 不合规则", "Move 5, Chariot from file 1, rank 10 to off the board, is illegal"},
        // A head up to its colon, then a catalog text.
        {"无法复盘：引擎出错", "Cannot review: The engine failed"},
        {"保存当前对局吗？\n棋盘外", "Save the current game?\noff the board"},
        {"红方长将，判负", "Red loses by perpetual check"},
        {"棋谱.pgn 第2局: 不是棋谱文件", "棋谱.pgn game 2: Not a game record file"},
        {"a: b.pgn: 无法识别的字节 C8", "a: b.pgn: Unreadable bytes C8"},
        {"不是目录里的文字", "不是目录里的文字"},
    };
    for (const auto& c : CASES) QCOMPARE(shownGbk(gbk(c.shown)), QString::fromUtf8(c.wanted));
    for (const CatalogEntry& e : textCatalog()) {
        const QString source = QString::fromUtf8(e.source);
        if (source == QStringLiteral("Morlan")) continue;
        QVERIFY2(shownText(e.source) != source, e.name);
    }
}

void ShownTextTest::placeholdersAreFilledOnce() {
    const struct {
        const char* pattern;
        QStringList arguments;
        const char* wanted;
    } CASES[] = {
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%", {"50"}, "50%"},
        {"%1 keeps its own %2", {"%2", "x"}, "%2 keeps its own x"},
        {"%10 and %1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "ten and 1"},
        {"%12 with one", {"one"}, "one2 with one"},
        {"%0 and %", {"a"}, "%0 and %"},
    };
    for (const auto& c : CASES) QCOMPARE(fillPlaceholders(QString::fromUtf8(c.pattern), c.arguments), QString::fromUtf8(c.wanted));
}

SHELL_TEST(ShownTextTest);
#include "shown_text_test.moc"
