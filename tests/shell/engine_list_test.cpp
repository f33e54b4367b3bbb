// The engine list and its file: the built-in engine first and never
// stored, the roles following removals, the file's text in plain ASCII,
// hand-edited GBK files, and damaged files refused as a whole.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "engines/engine_list.h"
#include "shell_support.h"

class EngineListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theBuiltInEngineIsAlwaysFirst();
    void addRefusesDuplicatesAndRemoveMovesTheRoles();
    void aListSurvivesItsFile();
    void theFileIsPlainAscii();
    void aHandEditedGbkFileReads();
    void damagedFilesGiveTheBuiltInEngineAndSayWhy();
    void aMissingFileIsNoProblem();
    void rolesNamingUnlistedProgramsFallBack();
};

namespace {

EngineEntry sampleEngine(const QString& name, const QString& path) {
    EngineEntry e;
    e.name = name;
    e.path = path;
    e.author = QStringLiteral("作者 Author");
    e.protocol = QStringLiteral("uci");
    e.options.push_back({QStringLiteral("Hash"), EngineOption::SPIN, QStringLiteral("16"), 1, 33554432, {}});
    e.options.push_back({QStringLiteral("Ponder"), EngineOption::CHECK, QStringLiteral("false"), 0, 0, {}});
    e.options.push_back({QStringLiteral("UCI_Variant"), EngineOption::COMBO, QStringLiteral("chess"), 0, 0,
                         {QStringLiteral("chess"), QStringLiteral("xiangqi")}});
    e.options.push_back({QStringLiteral("Clear Hash"), EngineOption::BUTTON, {}, 0, 0, {}});
    e.values[QStringLiteral("Hash")] = QStringLiteral("64");
    return e;
}

QString writeFile(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromLatin1(ENGINE_LIST_FILE));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(bytes);
    return path;
}

}  // namespace

void EngineListTest::theBuiltInEngineIsAlwaysFirst() {
    EngineList list;
    QCOMPARE(list.size(), 1);
    QVERIFY(list.at(0).builtIn());
    QCOMPARE(list.at(0).name, QStringLiteral("Morlan"));
    QVERIFY(!list.remove(0));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.find(QString()), 0);
    QCOMPARE(list.player(), 0);
    QCOMPARE(list.analyst(), 0);
}

void EngineListTest::addRefusesDuplicatesAndRemoveMovesTheRoles() {
    EngineList list;
    QCOMPARE(list.add(sampleEngine("A", "/bin/a")), 1);
    QCOMPARE(list.add(sampleEngine("B", "/bin/b")), 2);
    QCOMPARE(list.add(sampleEngine("A again", "/bin/a")), -1);
    QCOMPARE(list.add(sampleEngine("no program", "")), -1);
    QCOMPARE(list.size(), 3);
    list.setPlayer(2);
    list.setAnalyst(1);
    QVERIFY(list.remove(1));
    QCOMPARE(list.analyst(), 0);  // its engine went: the built-in analyses
    QCOMPARE(list.player(), 1);   // B moved up
    QCOMPARE(list.at(list.player()).path, QStringLiteral("/bin/b"));
    list.setPlayer(7);
    QCOMPARE(list.player(), 0);
}

void EngineListTest::aListSurvivesItsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(ENGINE_LIST_FILE));
    EngineList list;
    list.add(sampleEngine(QStringLiteral("象棋引擎"), "/usr/games/fairy-stockfish"));
    list.add(sampleEngine("Second", QStringLiteral("/home/棋手/engine")));
    list.at(2).values[QStringLiteral("MultiPV")] = QStringLiteral("3");
    list.setPlayer(1);
    list.setAnalyst(2);
    list.showArrow = false;
    QString problem;
    QVERIFY2(list.save(path, &problem), qPrintable(problem));

    EngineList back;
    QCOMPARE(back.load(path, &problem), EngineList::LoadResult::Loaded);
    QVERIFY(back == list);
    QCOMPARE(back.at(1).value(QStringLiteral("Hash")), QStringLiteral("64"));
    QCOMPARE(back.at(1).value(QStringLiteral("Ponder")), QStringLiteral("false"));  // the default
    QCOMPARE(back.at(1).option(QStringLiteral("UCI_Variant"))->choices.size(), 2);
    QCOMPARE(back.at(1).option(QStringLiteral("Hash"))->max, qint64(33554432));
}

void EngineListTest::theFileIsPlainAscii() {
    EngineList list;
    list.add(sampleEngine(QStringLiteral("象棋 \U0001F600"), QStringLiteral("/opt/引擎")));
    const QByteArray text = list.toJson();
    for (const char c : text) QVERIFY2(static_cast<unsigned char>(c) < 0x80, text.constData());
    QVERIFY(text.contains("\\u8c61"));  // 象
    EngineList back;
    QString problem;
    QVERIFY(back.fromJson(text, &problem));
    QCOMPARE(back.at(1).name, QStringLiteral("象棋 \U0001F600"));
    QCOMPARE(back.at(1).path, QStringLiteral("/opt/引擎"));
}

void EngineListTest::aHandEditedGbkFileReads() {
    // {"engines":[{"name":"象棋","path":"/x"}],"play":"/x"} with the name in GBK
    const QByteArray gbk = "{\"engines\":[{\"name\":\"\xCF\xF3\xC6\xE5\",\"path\":\"/x\"}],\"play\":\"/x\"}";
    EngineList list;
    QString problem;
    QVERIFY2(list.fromJson(gbk, &problem), qPrintable(problem));
    QCOMPARE(list.at(1).name, QStringLiteral("象棋"));
    QCOMPARE(list.player(), 1);
}

void EngineListTest::damagedFilesGiveTheBuiltInEngineAndSayWhy() {
    const char* damaged[] = {
        "{\"engines\":[{\"name\":\"A\",\"path\":\"/a\"}",                      // cut short
        "[1,2,3]",                                                              // not an object
        "{\"play\":\"/a\"}",                                                    // no list
        "{\"engines\":[{\"name\":\"A\"}]}",                                     // no program
        "{\"engines\":[{\"name\":5,\"path\":\"/a\"}]}",                         // a name that is no text
        "{\"engines\":[{\"name\":\"A\",\"path\":\"/a\"},{\"name\":\"B\",\"path\":\"/a\"}]}",  // twice
        "{\"engines\":[{\"name\":\"A\",\"path\":\"/a\",\"options\":[{\"name\":\"X\",\"type\":\"dial\"}]}]}",
        "{\"engines\":[{\"name\":\"A\",\"path\":\"/a\",\"values\":{\"Hash\":64}}]}",
        "\xFF\xFE\x00\x01",
    };
    QTemporaryDir dir;
    for (const char* text : damaged) {
        const QString path = writeFile(dir, QByteArray(text));
        EngineList list;
        list.add(sampleEngine("left over", "/old"));
        QString problem;
        QCOMPARE(list.load(path, &problem), EngineList::LoadResult::Damaged);
        QVERIFY2(!problem.isEmpty(), text);
        QCOMPARE(list.size(), 1);
        QVERIFY(list.at(0).builtIn());
        QCOMPARE(list.player(), 0);
    }
}

void EngineListTest::aMissingFileIsNoProblem() {
    QTemporaryDir dir;
    EngineList list;
    list.add(sampleEngine("left over", "/old"));
    QCOMPARE(list.load(dir.filePath("Engines.json")), EngineList::LoadResult::Missing);
    QCOMPARE(list.size(), 1);
    QString problem;
    QVERIFY(!list.save(dir.filePath("no/such/folder/Engines.json"), &problem));
    QVERIFY(!problem.isEmpty());
}

void EngineListTest::rolesNamingUnlistedProgramsFallBack() {
    EngineList list;
    QString problem;
    QVERIFY(list.fromJson("{\"engines\":[{\"name\":\"A\",\"path\":\"/a\"}],\"play\":\"/gone\",\"analyse\":\"/a\"}",
                          &problem));
    QCOMPARE(list.player(), 0);
    QCOMPARE(list.analyst(), 1);
    QVERIFY(list.showArrow);
}

SHELL_TEST(EngineListTest);
#include "engine_list_test.moc"
