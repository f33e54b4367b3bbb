#include "engines/engine_list.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <limits>
#include <string>

#include "game/gbk.h"

namespace {

constexpr int FORMAT_VERSION = 1;
constexpr qint64 MAX_FILE_SIZE = 4 * 1024 * 1024;

QJsonObject optionToJson(const EngineOption& o) {
    QJsonObject j{{"name", o.name}, {"type", QLatin1String(optionTypeWord(o.type))}, {"default", o.defaultValue}};
    if (o.type == EngineOption::SPIN) {
        j["min"] = QString::number(o.min);
        j["max"] = QString::number(o.max);
    }
    if (!o.choices.isEmpty()) j["choices"] = QJsonArray::fromStringList(o.choices);
    return j;
}

QJsonObject entryToJson(const EngineEntry& e) {
    QJsonArray options;
    for (const EngineOption& o : e.options) options.append(optionToJson(o));
    QJsonObject values;
    for (auto it = e.values.begin(); it != e.values.end(); ++it) values[it.key()] = it.value();
    return {{"name", e.name},         {"path", e.path},       {"author", e.author},
            {"protocol", e.protocol}, {"options", options},   {"values", values}};
}

// A problem found while reading, with where it is.
struct Reader {
    QString problem;

    bool fail(const QString& what) {
        if (problem.isEmpty()) problem = what;
        return false;
    }
    bool text(const QJsonObject& o, const char* key, QString& out, bool required) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined() && !required) return true;
        if (!v.isString()) return fail(QCoreApplication::translate("Texts", "\"%1\" 不是文字").arg(QLatin1String(key)));
        out = v.toString();
        return true;
    }
    // A number beyond an option's range is held at its end.
    bool number(const QJsonObject& o, const char* key, int& out) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined()) return true;
        bool ok = true;
        const qint64 n = v.isString() ? v.toString().toLongLong(&ok) : static_cast<qint64>(v.toDouble());
        if (!ok || !(v.isString() || v.isDouble())) return fail(QCoreApplication::translate("Texts", "\"%1\" 不是数").arg(QLatin1String(key)));
        out = static_cast<int>(std::clamp<qint64>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        return true;
    }
    bool option(const QJsonValue& v, EngineOption& o) {
        if (!v.isObject()) return fail(QCoreApplication::translate("Texts", "选项不是对象"));
        const QJsonObject j = v.toObject();
        QString type;
        if (!text(j, "name", o.name, true) || !text(j, "type", type, true) ||
            !text(j, "default", o.defaultValue, false) || !number(j, "min", o.min) || !number(j, "max", o.max)) {
            return false;
        }
        const auto known = optionTypeOfWord(type);
        if (o.name.isEmpty() || !known) return fail(QCoreApplication::translate("Texts", "选项“%1”的类型不明").arg(o.name));
        o.type = *known;
        for (const QJsonValue c : j.value(QLatin1String("choices")).toArray()) o.choices << c.toString();
        return true;
    }
    bool entry(const QJsonValue& v, EngineEntry& e) {
        if (!v.isObject()) return fail(QCoreApplication::translate("Texts", "引擎不是对象"));
        const QJsonObject j = v.toObject();
        if (!text(j, "name", e.name, true) || !text(j, "path", e.path, true) || !text(j, "author", e.author, false) ||
            !text(j, "protocol", e.protocol, false)) {
            return false;
        }
        if (e.path.isEmpty()) return fail(QCoreApplication::translate("Texts", "引擎“%1”没有程序").arg(e.name));
        const QJsonValue options = j.value(QLatin1String("options"));
        if (!options.isUndefined() && !options.isArray()) return fail(QCoreApplication::translate("Texts", "\"options\" 不是列表"));
        for (const QJsonValue o : options.toArray()) {
            EngineOption definition;
            if (!option(o, definition)) return false;
            e.options.push_back(definition);
        }
        const QJsonValue values = j.value(QLatin1String("values"));
        if (!values.isUndefined() && !values.isObject()) return fail(QCoreApplication::translate("Texts", "\"values\" 不是对象"));
        const QJsonObject valueObject = values.toObject();
        for (auto it = valueObject.begin(); it != valueObject.end(); ++it) {
            if (!it.value().isString()) return fail(QCoreApplication::translate("Texts", "选项“%1”的值不是文字").arg(it.key()));
            e.values[it.key()] = it.value().toString();
        }
        return true;
    }
};

// Every character beyond ASCII as \uXXXX; JSON keeps non-ASCII only in strings.
QByteArray asciiOnly(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    QByteArray out;
    out.reserve(utf8.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            out.append(static_cast<char>(c.unicode()));
        } else {
            out.append("\\u");
            out.append(QByteArray::number(c.unicode(), 16).rightJustified(4, '0'));
        }
    }
    return out;
}

constexpr const char* PROGRAM_OPTIONS[] = {"UCI_Variant", "MultiPV", "usemillisec"};

EngineEntry builtInEntry() {
    EngineEntry e;
    e.name = QString::fromLatin1(BUILT_IN_ENGINE_NAME);
    return e;
}

}  // namespace

bool programSetsOption(const QString& name) {
    for (const char* own : PROGRAM_OPTIONS) {
        if (name.compare(QLatin1String(own), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

const EngineOption* EngineEntry::option(const QString& optionName) const {
    for (const EngineOption& o : options) {
        if (o.name == optionName) return &o;
    }
    return nullptr;
}

QString EngineEntry::value(const QString& optionName) const {
    const auto it = values.find(optionName);
    if (it != values.end()) return it.value();
    const EngineOption* o = option(optionName);
    return o ? o->defaultValue : QString();
}

EngineList::EngineList() { clear(); }

void EngineList::clear() {
    entries.assign(1, builtInEntry());
    player_ = analyst_ = 0;
    showArrow = true;
}

int EngineList::find(const QString& path) const {
    if (path.isEmpty()) return 0;
    for (int i = 1; i < size(); ++i) {
        if (at(i).path == path) return i;
    }
    return -1;
}

int EngineList::add(const EngineEntry& entry) {
    if (entry.path.isEmpty() || find(entry.path) >= 0) return -1;
    entries.push_back(entry);
    return size() - 1;
}

bool EngineList::remove(int i) {
    if (i <= 0 || i >= size()) return false;
    entries.erase(entries.begin() + i);
    for (int* role : {&player_, &analyst_}) {
        if (*role == i) {
            *role = 0;
        } else if (*role > i) {
            --*role;
        }
    }
    return true;
}

void EngineList::setPlayer(int i) { player_ = i > 0 && i < size() ? i : 0; }
void EngineList::setAnalyst(int i) { analyst_ = i > 0 && i < size() ? i : 0; }

QByteArray EngineList::toJson() const {
    QJsonArray list;
    for (int i = 1; i < size(); ++i) list.append(entryToJson(at(i)));
    const QJsonObject root{{"version", FORMAT_VERSION},
                           {"engines", list},
                           {"play", at(player_).path},
                           {"analyse", at(analyst_).path},
                           {"arrow", showArrow}};
    return asciiOnly(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

bool EngineList::fromJson(const QByteArray& bytes, QString* problem) {
    clear();
    // A file edited by hand in GBK reads as well as one this program wrote.
    QByteArray text = bytes;
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::string utf8;
    if (!isValidUtf8(view) && gbkToUtf8(view, utf8)) text = QByteArray::fromStdString(utf8);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    Reader r;
    if (doc.isNull()) {
        r.fail(QCoreApplication::translate("Texts", "第 %1 字节处：%2").arg(error.offset).arg(error.errorString()));
    } else if (!doc.isObject()) {
        r.fail(QCoreApplication::translate("Texts", "内容不是对象"));
    } else {
        const QJsonObject root = doc.object();
        const QJsonValue list = root.value(QLatin1String("engines"));
        if (!list.isArray()) r.fail(QCoreApplication::translate("Texts", "没有 \"engines\" 列表"));
        for (const QJsonValue v : list.toArray()) {
            EngineEntry e;
            if (!r.entry(v, e)) break;
            if (add(e) < 0) {
                r.fail(QCoreApplication::translate("Texts", "程序“%1”出现两次").arg(e.path));
                break;
            }
        }
        QString play, analyse;
        if (r.problem.isEmpty() && r.text(root, "play", play, false) && r.text(root, "analyse", analyse, false)) {
            // A role naming an engine no longer listed goes to the built-in engine.
            setPlayer(find(play));
            setAnalyst(find(analyse));
            showArrow = root.value(QLatin1String("arrow")).toBool(true);
        }
    }
    if (r.problem.isEmpty()) return true;
    clear();
    if (problem) *problem = r.problem;
    return false;
}

EngineList::LoadResult EngineList::load(const QString& path, QString* problem) {
    clear();
    QFile file(path);
    if (!file.exists()) return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (problem) *problem = file.errorString();
        return LoadResult::Damaged;
    }
    if (file.size() > MAX_FILE_SIZE) {
        if (problem) *problem = QCoreApplication::translate("Texts", "文件太大");
        return LoadResult::Damaged;
    }
    return fromJson(file.readAll(), problem) ? LoadResult::Loaded : LoadResult::Damaged;
}

bool EngineList::save(const QString& path, QString* problem) const {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray text = toJson();
        if (file.write(text) == text.size() && file.commit()) return true;
    }
    if (problem) *problem = file.errorString();
    return false;
}
