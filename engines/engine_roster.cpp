#include "engines/engine_roster.h"

#include <QFile>
#include <QTimer>
#include <QCoreApplication>

#include "engines/engine_client.h"
#include "game/game.h"
#include "game/gbk.h"

namespace {

QString listPath() { return QString::fromLatin1(ENGINE_LIST_FILE); }

// A free name beside the damaged file: Engines.json.bad, .bad2, ...
QString damagedName() {
    const QString base = listPath() + QStringLiteral(".bad");
    QString name = base;
    for (int i = 2; QFile::exists(name); ++i) name = base + QString::number(i);
    return name;
}

}  // namespace

EngineRoster::EngineRoster(Game& g) : game(g) {
    connect(this, &EngineRoster::moveFound, this, [this](EngineSession& s, PackedMove move) { game.onOutsideMoveFound(&s, move); });
}

EngineRoster::~EngineRoster() { shutdown(); }

void EngineRoster::note(const QString& engine, const QString& text) {
    log_.append(false, QStringLiteral("%1 * %2").arg(engine, text));
}

void EngineRoster::loadList() {
    QString problem;
    listWritable = true;
    if (list_.load(listPath(), &problem) == EngineList::LoadResult::Damaged) {
        const QString kept = damagedName();
        QString text = QCoreApplication::translate("Texts", "引擎列表 %1 无法读取：%2。\n现在只用内置引擎 %3。\n")
                           .arg(listPath(), problem, QString::fromLatin1(BUILT_IN_ENGINE_NAME));
        if (QFile::rename(listPath(), kept)) {
            text += QCoreApplication::translate("Texts", "原文件已改名为 %1 保留，可以修好后改回原名。").arg(kept);
        } else {
            listWritable = false;
            text += QCoreApplication::translate("Texts", "原文件无法改名，保留未动；本次运行中对引擎列表的改动不会写入。");
        }
        Q_EMIT listProblem(text);
    }
    playerPath = list_.at(list_.player()).path;
    analystPath = list_.at(list_.analyst()).path;
    tellGame();
}

bool EngineRoster::saveList() {
    if (!listWritable) {
        Q_EMIT listProblem(QCoreApplication::translate("Texts", "引擎列表 %1 已损坏且未能移开，改动没有写入。").arg(listPath()));
        return false;
    }
    QString problem;
    if (list_.save(listPath(), &problem)) return true;
    Q_EMIT listProblem(QCoreApplication::translate("Texts", "引擎列表 %1 无法写入：%2").arg(listPath(), problem));
    return false;
}

void EngineRoster::applyList(const EngineList& updated) {
    list_ = updated;
    playerPath = list_.at(list_.player()).path;
    analystPath = list_.at(list_.analyst()).path;
    // Sessions of engines that stay take the new option values; the others end.
    for (auto it = sessions.begin(); it != sessions.end();) {
        const int i = list_.find(it->first);
        const bool used = i > 0 && (it->first == playerPath || it->first == analystPath);
        if (used) {
            it->second->setEntry(list_.at(i));
            ++it;
        } else {
            const QString path = it->first;
            ++it;
            retire(path);
        }
    }
    tellGame();
    saveList();
}

void EngineRoster::setShowArrow(bool on) {
    if (list_.showArrow == on) return;
    list_.showArrow = on;
    if (!on) Q_EMIT arrowChanged(0, {});
    saveList();
}

std::shared_ptr<EngineSession> EngineRoster::sessionFor(const EngineEntry& entry) {
    auto& slot = sessions[entry.path];
    if (slot) return slot;
    EngineSession::Hooks hooks;
    hooks.ready = [this](EngineSession& s) { onReady(s); };
    hooks.failed = [this](EngineSession& s, const QString& m) { onFailed(s, m); };
    hooks.lines = [this](EngineSession& s) { onLines(s); };
    hooks.answer = [this](EngineSession& s, PackedMove m) { onAnswer(s, m); };
    hooks.shown = [this](EngineSession& s) { onShown(s); };
    hooks.log = [this](EngineSession& s, bool sent, const QString& line) { log_.append(sent, s.entry().name + QStringLiteral(": ") + line); };
    slot = std::make_shared<EngineSession>(entry, std::move(hooks));
    return slot;
}

EngineSession* EngineRoster::player() const {
    const auto it = playerPath.isEmpty() ? sessions.end() : sessions.find(playerPath);
    return it == sessions.end() ? nullptr : it->second.get();
}

EngineSession* EngineRoster::analyst() const {
    const auto it = analystPath.isEmpty() ? sessions.end() : sessions.find(analystPath);
    return it == sessions.end() ? nullptr : it->second.get();
}

void EngineRoster::tellGame() {
    for (const QString& path : {playerPath, analystPath}) {
        const int i = list_.find(path);
        if (i > 0) sessionFor(list_.at(i));
    }
    game.setOutsideEngines(player(), analyst());
}

void EngineRoster::setAnalysisLines(int lines) {
    EngineSession* s = analyst();
    if (!s) return;
    s->setLineCount(lines);
    const int i = list_.find(s->entry().path);
    if (i <= 0) return;
    const QString value = QString::number(s->lineCount());
    if (list_.at(i).values.value(QStringLiteral("MultiPV")) == value) return;
    list_.at(i).values[QStringLiteral("MultiPV")] = value;
    saveList();
}

void EngineRoster::onReady(EngineSession& s) {
    note(s.entry().name, QCoreApplication::translate("Texts", "已连接：%1").arg(s.client().name()));
    // What the handshake told is kept, so the options form is there without the engine running.
    const int i = list_.find(s.entry().path);
    if (i <= 0) return;
    EngineEntry updated = list_.at(i);
    takeHandshake(s.client(), updated);
    if (updated == list_.at(i)) return;
    list_.at(i) = updated;
    saveList();
}

void EngineRoster::onFailed(EngineSession& s, const QString& message) {
    const QString path = s.entry().path;
    note(s.entry().name, QCoreApplication::translate("Texts", "失败：%1").arg(message));
    // The engine loses its roles for this run; the list keeps them for the next.
    if (playerPath == path) playerPath.clear();
    if (analystPath == path) analystPath.clear();
    Q_EMIT arrowChanged(0, {});
    OutsideEngine* failing = &s;
    retire(path);
    // The built-in engine takes over what the failing engine was doing.
    game.onOutsideEngineFailed(failing);
    // The message waits for the event loop: the failing client is still on the stack.
    const QString text =
        QCoreApplication::translate("Texts", "%1\n已停止这个引擎，改由内置引擎 %2 接替。").arg(message, QString::fromLatin1(BUILT_IN_ENGINE_NAME));
    QTimer::singleShot(0, this, [this, text] { Q_EMIT engineFailed(text); });
}

void EngineRoster::retire(const QString& path) {
    const auto it = sessions.find(path);
    if (it == sessions.end()) return;
    // Its client may be the one whose signal is running: it ends from the event loop.
    std::shared_ptr<EngineSession> going = it->second;
    sessions.erase(it);
    QTimer::singleShot(0, QCoreApplication::instance(), [going] {});
}

void EngineRoster::onLines(EngineSession& s) {
    if (game.outsideSearching() != &s) return;
    Q_EMIT linesChanged(s, 0);
    const bool arrow = s.analysing() && list_.showArrow && !s.lines().empty() && !s.lines()[0].pv.empty();
    Q_EMIT arrowChanged(arrow ? s.lines()[0].pv[0] : 0, s.searchedBoard());
}

void EngineRoster::onAnswer(EngineSession& s, PackedMove move) { Q_EMIT moveFound(s, move); }

void EngineRoster::onShown(EngineSession& s) { Q_EMIT linesChanged(s, 1); }

void EngineRoster::shutdown() {
    game.setOutsideEngines(nullptr, nullptr);
    sessions.clear();
}
