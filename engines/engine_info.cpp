#include "engines/engine_info.h"

namespace {

// Fields followed by one number, and where each goes.
struct NumberField {
    const char* word;
    std::int64_t EngineInfo::*wide;
    int EngineInfo::*narrow;
};
constexpr NumberField NUMBER_FIELDS[] = {
    {"depth", nullptr, &EngineInfo::depth},     {"seldepth", nullptr, &EngineInfo::selDepth},
    {"multipv", nullptr, &EngineInfo::multiPv}, {"nodes", &EngineInfo::nodes, nullptr},
    {"nps", &EngineInfo::nps, nullptr},         {"time", &EngineInfo::timeMs, nullptr},
};

// Fields with one value the program does not use.
constexpr const char* SKIPPED_FIELDS[] = {"hashfull", "tbhits", "cpuload", "currmovenumber", "currmove", "sbhits"};

const NumberField* numberField(const QString& word) {
    for (const NumberField& f : NUMBER_FIELDS)
        if (word == QLatin1String(f.word)) return &f;
    return nullptr;
}

bool isSkipped(const QString& word) {
    for (const char* s : SKIPPED_FIELDS)
        if (word == QLatin1String(s)) return true;
    return false;
}

// "score cp 35 [lowerbound|upperbound]", "score mate -3", or UCCI's bare "score 35".
bool readScore(const QStringList& words, qsizetype& at, EngineInfo& info) {
    if (at >= words.size()) return false;
    bool ok = false;
    if (words[at] == QLatin1String("cp") || words[at] == QLatin1String("mate")) {
        info.scoreKind = words[at] == QLatin1String("cp") ? EngineInfo::CENTIPAWNS : EngineInfo::MATE;
        if (++at >= words.size()) return false;
    } else {
        info.scoreKind = EngineInfo::CENTIPAWNS;
    }
    info.score = words[at++].toInt(&ok);
    if (!ok) return false;
    for (; at < words.size(); ++at) {
        if (words[at] == QLatin1String("lowerbound")) info.lowerBound = true;
        else if (words[at] == QLatin1String("upperbound")) info.upperBound = true;
        else break;
    }
    return true;
}

}  // namespace

bool readInfoLine(const QString& line, EngineInfo& info, QStringList& pvWords) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words[0] != QLatin1String("info")) return false;
    EngineInfo read;
    QStringList pv;
    bool hasPv = false;
    for (qsizetype at = 1; at < words.size();) {
        const QString& word = words[at++];
        if (word == QLatin1String("string") || word == QLatin1String("refutation") ||
            word == QLatin1String("currline"))
            break;  // the rest of the line is theirs
        if (word == QLatin1String("pv")) {
            hasPv = true;
            while (at < words.size() && !numberField(words[at]) && words[at] != QLatin1String("score")) pv << words[at++];
            continue;
        }
        if (word == QLatin1String("score")) {
            if (!readScore(words, at, read)) return false;
            continue;
        }
        if (isSkipped(word)) {
            ++at;
            continue;
        }
        const NumberField* field = numberField(word);
        if (!field || at >= words.size()) continue;  // a field of some other engine
        bool ok = false;
        const qlonglong value = words[at++].toLongLong(&ok);
        if (!ok || value < 0) return false;
        if (field->wide) read.*(field->wide) = value;
        else read.*(field->narrow) = static_cast<int>(std::min<qlonglong>(value, 1 << 30));
    }
    if (read.scoreKind == EngineInfo::NO_SCORE && !hasPv) return false;
    if (read.multiPv < 1) return false;
    info = read;
    pvWords = pv;
    return true;
}
