// The desktop program's command line and the user folder it may work in.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

#include "shell/main_window/command_line.h"
#include "shell/platform/user_folder.h"
#include "shell_support.h"

namespace {

CommandLine parse(std::initializer_list<const char*> words) {
    std::vector<const char*> argv{"morlan"};
    argv.insert(argv.end(), words);
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionsComeBeforeTheGameFile();
    void unknownOptionsAreRefused();
    void userFolderFollowsXdgThenHome();
    void enteringAFolderCreatesItOrChangesNothing();
    void relativePathsSurviveTheMove();
    void theProgramMovesIntoTheUserFolder();
};

void CommandLineTest::optionsComeBeforeTheGameFile() {
    CommandLine line = parse({});
    QVERIFY(!line.help && !line.version && !line.userFolder && line.path.empty() && line.error.empty());
    line = parse({"--user-folder", "My", "Games/对局.sav"});
    QVERIFY(line.userFolder);
    QCOMPARE(QString::fromStdString(line.path), QStringLiteral("My Games/对局.sav"));
    line = parse({"--help", "--version"});
    QVERIFY(line.help && line.version && line.path.empty());
    // After "--" every word is the path, and a word after the path is too.
    line = parse({"--", "--help", "x"});
    QVERIFY(!line.help);
    QCOMPARE(QString::fromStdString(line.path), QStringLiteral("--help x"));
    line = parse({"game.sav", "--help"});
    QVERIFY(!line.help);
    QCOMPARE(QString::fromStdString(line.path), QStringLiteral("game.sav --help"));
    QVERIFY(commandLineHelp().find("--user-folder") != std::string::npos);
}

void CommandLineTest::unknownOptionsAreRefused() {
    const CommandLine line = parse({"--user-folders", "game.sav"});
    QCOMPARE(QString::fromStdString(line.error), QStringLiteral("unknown option --user-folders"));
    QVERIFY(!line.userFolder);
    // A single dash is no option: such a file name is opened.
    QCOMPARE(QString::fromStdString(parse({"-x.sav"}).path), QStringLiteral("-x.sav"));
}

void CommandLineTest::userFolderFollowsXdgThenHome() {
    QCOMPARE(QString::fromStdString(userDataFolder("/x/data", "/home/a")), QStringLiteral("/x/data/morlan"));
    // The XDG rule: an empty or relative XDG_DATA_HOME is ignored.
    QCOMPARE(QString::fromStdString(userDataFolder("", "/home/a")),
             QStringLiteral("/home/a/.local/share/morlan"));
    QCOMPARE(QString::fromStdString(userDataFolder("rel", "/home/a")),
             QStringLiteral("/home/a/.local/share/morlan"));
    QCOMPARE(QString::fromStdString(userDataFolder(nullptr, "/home/a")),
             QStringLiteral("/home/a/.local/share/morlan"));
    QVERIFY(userDataFolder(nullptr, nullptr).empty());
    QVERIFY(userDataFolder(nullptr, "").empty());
}

void CommandLineTest::enteringAFolderCreatesItOrChangesNothing() {
    const QString before = QDir::currentPath();
    QTemporaryDir scratch;
    const std::string folder = scratch.path().toStdString() + "/a/b/morlan";
    std::string error;
    QVERIFY(enterFolder(folder, error));
    QCOMPARE(QDir::currentPath(), QString::fromStdString(folder));
    QVERIFY(enterFolder(folder, error));  // already there

    QVERIFY(::chdir(before.toLocal8Bit().constData()) == 0);
    QFile blocker(scratch.path() + "/file");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!enterFolder(scratch.path().toStdString() + "/file/morlan", error));
    QVERIFY(error.find("/file/morlan") != std::string::npos);
    QVERIFY(!enterFolder("", error));
    QCOMPARE(QDir::currentPath(), before);
}

void CommandLineTest::relativePathsSurviveTheMove() {
    QCOMPARE(QString::fromStdString(absolutePath("/a/b.sav")), QStringLiteral("/a/b.sav"));
    QVERIFY(absolutePath("").empty());
    QCOMPARE(QString::fromStdString(absolutePath("Sav/b.sav")), QDir::currentPath() + "/Sav/b.sav");
}

// Started with --user-folder, the program works in the data folder it
// creates (settings, Sav and Err are all relative to it), not in the folder
// it was started from.
void CommandLineTest::theProgramMovesIntoTheUserFolder() {
    const QString program = QCoreApplication::applicationDirPath() + "/../shell/morlan";
    if (!QFile::exists(program)) QSKIP("the desktop program is not built");
    QTemporaryDir home;
    QTemporaryDir start;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.remove("XDG_DATA_HOME");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(start.path());
    process.start(program, {"--user-folder"});
    QVERIFY(process.waitForStarted());
    const QString folder = home.path() + "/.local/share/morlan";
    const QString cwd = QStringLiteral("/proc/%1/cwd").arg(process.processId());
    QTRY_COMPARE_WITH_TIMEOUT(QFile::symLinkTarget(cwd), folder, 20000);
    process.kill();
    QVERIFY(process.waitForFinished(20000));
}

SHELL_TEST(CommandLineTest);
#include "command_line_test.moc"
