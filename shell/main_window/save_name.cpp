#include "shell/main_window/save_name.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "game/game_info.h"
#include "game/gbk.h"
#include "shell/platform/qt_text.h"

namespace {

constexpr char RED_SIDE[] = "红方";
constexpr char BLACK_SIDE[] = "黑方";

// The name without its folder and its record extensions (.pgn.gz too).
QString recordBaseName(const std::string& path) {
    QString name = QFileInfo(pathToQt(path)).fileName();
    if (name.endsWith(QStringLiteral(".gz"), Qt::CaseInsensitive)) name.chop(3);
    return QFileInfo(name).completeBaseName();
}

QString playerName(const std::string& gbk, const char* side) {
    const QString name = toQt(gbk).simplified();
    return name.isEmpty() ? QString::fromUtf8(side) : name;
}

}  // namespace

QString proposedSaveName(const std::string& fileName, const std::string& recordSource, const GameInfo& info) {
    if (fileName != GBK_UNTITLED && !fileName.empty()) return recordBaseName(fileName);
    if (!recordSource.empty()) {
        const QString name = recordBaseName(recordSource);
        if (!name.isEmpty()) return name;
    }
    QString name = QStringLiteral("%1 vs %2 %3")
                       .arg(playerName(info.redPlayer, RED_SIDE), playerName(info.blackPlayer, BLACK_SIDE),
                            toQt(info.date).simplified());
    // What a file name cannot hold becomes a dash.
    static const QRegularExpression unfit(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return name.replace(unfit, QStringLiteral("-")).trimmed();
}
