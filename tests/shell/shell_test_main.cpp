// shell_tests <Class> [QTest options]: runs one test class of the desktop
// program in this process, inside a fresh working folder (the program
// writes Tevrin.cfg, Sav and Err there).
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

#include "shell_support.h"

namespace {

// Under the offscreen platform: one screen with room for the largest board
// size, or the size MORLAN_TEST_SCREEN ("1600x1200") asks for.
void chooseOffscreenScreen(const QString& folder) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;
    int width = 2560, height = 1600;
    const QByteArray asked = qgetenv("MORLAN_TEST_SCREEN");
    if (!asked.isEmpty() && std::sscanf(asked.constData(), "%dx%d", &width, &height) != 2) return;
    const QString path = folder + QStringLiteral("/screen.json");
    std::FILE* f = std::fopen(path.toLocal8Bit().constData(), "w");
    if (!f) return;
    std::fprintf(f,
                 "{\"screens\": [{\"name\": \"test\", \"x\": 0, \"y\": 0, \"width\": %d, \"height\": %d, "
                 "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}\n",
                 width, height);
    std::fclose(f);
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !shellTests().count(argv[1])) {
        std::fprintf(stderr, "usage: shell_tests <class>; classes:");
        for (const auto& [name, f] : shellTests()) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    QTemporaryDir screenFolder;
    chooseOffscreenScreen(screenFolder.path());
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    std::unique_ptr<QObject> test(shellTests()[argv[1]]());
    char* args[64] = {argv[0]};
    int n = 1;
    for (int i = 2; i < argc && n < 63; ++i) args[n++] = argv[i];
    return QTest::qExec(test.get(), n, args);
}
