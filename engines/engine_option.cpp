#include "engines/engine_option.h"

#include <QList>
#include <iterator>

namespace {

constexpr const char* TYPE_WORDS[] = {"check", "spin", "combo", "button", "string"};

// The words that end a field in an option line.
bool isKeyword(const QString& word) {
    return word == QLatin1String("type") || word == QLatin1String("default") || word == QLatin1String("min") ||
           word == QLatin1String("max") || word == QLatin1String("var");
}

// Reads "type .. default .. min .. max .. var .." from words[at] on into
// option; values may hold spaces (they run to the next keyword).
bool readFields(const QStringList& words, qsizetype at, EngineOption& option) {
    bool typed = false, hasMin = false, hasMax = false;
    while (at < words.size()) {
        const QString key = words[at++];
        if (!isKeyword(key)) return false;
        QStringList valueWords;
        while (at < words.size() && !isKeyword(words[at])) valueWords << words[at++];
        const QString value = valueWords.join(QLatin1Char(' '));
        bool ok = true;
        if (key == QLatin1String("type")) {
            const auto type = optionTypeOfWord(value);
            if (!type) return false;
            option.type = *type;
            typed = true;
        } else if (key == QLatin1String("default")) {
            option.defaultValue = value == QLatin1String("<empty>") ? QString() : value;
        } else if (key == QLatin1String("min")) {
            option.min = value.toInt(&ok);
            hasMin = true;
        } else if (key == QLatin1String("max")) {
            option.max = value.toInt(&ok);
            hasMax = true;
        } else {
            option.choices << value;
        }
        if (!ok) return false;
    }
    if (!typed || option.name.isEmpty()) return false;
    if (option.type == EngineOption::SPIN && (!hasMin || !hasMax || option.min > option.max)) return false;
    return true;
}

}  // namespace

const char* optionTypeWord(EngineOption::Type type) { return TYPE_WORDS[type]; }

std::optional<EngineOption::Type> optionTypeOfWord(const QString& word) {
    for (std::size_t i = 0; i < std::size(TYPE_WORDS); ++i)
        if (word.compare(QLatin1String(TYPE_WORDS[i]), Qt::CaseInsensitive) == 0)
            return static_cast<EngineOption::Type>(i);
    return std::nullopt;
}

bool EngineOption::accepts(const QString& value) const {
    switch (type) {
    case CHECK:
        return value == QLatin1String("true") || value == QLatin1String("false");
    case SPIN: {
        bool ok = false;
        const int n = value.toInt(&ok);
        return ok && n >= min && n <= max;
    }
    case COMBO:
        return choices.contains(value, Qt::CaseInsensitive);
    case BUTTON:
        return value.isEmpty();
    case STRING:
        return !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r'));
    }
    return false;
}

std::optional<EngineOption> readUciOption(const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4 || words[0] != QLatin1String("option") || words[1] != QLatin1String("name"))
        return std::nullopt;
    EngineOption option;
    qsizetype at = 2;
    QStringList nameWords;
    while (at < words.size() && words[at] != QLatin1String("type")) nameWords << words[at++];
    option.name = nameWords.join(QLatin1Char(' '));
    if (!readFields(words, at, option)) return std::nullopt;
    return option;
}

std::optional<EngineOption> readUcciOption(const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() < 4 || words[0] != QLatin1String("option") || isKeyword(words[1])) return std::nullopt;
    EngineOption option;
    option.name = words[1];
    if (!readFields(words, 2, option)) return std::nullopt;
    return option;
}
