#include "outside_engines_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "shell/dialogs/engine_manager_dialog.h"
#include "engines/engine_roster.h"
#include "shell/main_window/main_window.h"
#include "shell_support.h"

QString fairyStockfish() {
    const QString path = QStringLiteral("/usr/games/fairy-stockfish");
    return QFileInfo(path).isExecutable() ? path : QString();
}

QString morlanEngine() { return QStringLiteral(MORLAN_BINARY_DIR "/engine/morlan-engine"); }

QString fakeEngine(const QString& mode, const QString& heard) {
    const QString path = QDir::current().filePath(QStringLiteral("fake-%1.sh").arg(mode));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(QStringLiteral("#!/bin/sh\nexec /bin/sh '%1' %2 '%3'\n")
                .arg(QStringLiteral(MORLAN_TEST_SOURCE_DIR "/engines/fake_engine.sh"), mode, heard)
                .toUtf8());
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    return path;
}

bool useEngine(EngineRoster& roster, const QString& program) {
    EngineManagerDialog dialog(roster.list(), &MainWindow::instance());
    if (!dialog.addProgram(program)) return false;
    if (!pumpUntil([&] { return !dialog.adding(); }, 20000)) return false;
    EngineList list = dialog.list();
    const int i = list.find(program);
    if (i <= 0) return false;
    list.setPlayer(i);
    list.setAnalyst(i);
    roster.applyList(list);
    return true;
}

void useBuiltInEngine(EngineRoster& roster) { roster.applyList(EngineList()); }
