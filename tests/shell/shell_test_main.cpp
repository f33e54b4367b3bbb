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

int main(int argc, char** argv) {
    if (argc < 2 || !shellTests().count(argv[1])) {
        std::fprintf(stderr, "usage: shell_tests <class>; classes:");
        for (const auto& [name, f] : shellTests()) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    std::unique_ptr<QObject> test(shellTests()[argv[1]]());
    char* args[64] = {argv[0]};
    int n = 1;
    for (int i = 2; i < argc && n < 63; ++i) args[n++] = argv[i];
    return QTest::qExec(test.get(), n, args);
}
