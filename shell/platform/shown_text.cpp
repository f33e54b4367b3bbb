#include "shell/platform/shown_text.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "game/gbk.h"
#include "shell/platform/text_catalog.h"

namespace {

constexpr char CONTEXT[] = "Texts";
constexpr char16_t FULLWIDTH_COLON = u'\uFF1A';

// A catalog text with printf placeholders, as a pattern over finished texts.
struct FormattedText {
    QRegularExpression match;
    const char* source;
    qsizetype literalLength;  // more literal text: the more particular pattern
};

// The regular expression of a printf pattern: %s takes any text, %d a
// whole number, %.1f a decimal.
QString expressionOf(const QString& printf) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\.\\d)?([sdf])"));
    QString out = QStringLiteral("^");
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(printf); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QRegularExpression::escape(printf.mid(at, m.capturedStart() - at));
        const QChar kind = m.captured(2).at(0);
        out += kind == u's' ? QStringLiteral("(.*?)") : kind == u'd' ? QStringLiteral("(-?\\d+)") : QStringLiteral("(-?\\d+(?:\\.\\d+)?)");
        at = m.capturedEnd();
    }
    return out + QRegularExpression::escape(printf.mid(at)) + QStringLiteral("$");
}

std::vector<FormattedText> formattedTexts() {
    std::vector<FormattedText> out;
    for (const CatalogEntry& e : textCatalog()) {
        const QString printf = QString::fromUtf8(gbkToUtf8Lossy(e.gbk));
        if (!printf.contains(u'%')) continue;
        const QString expression = expressionOf(printf);
        out.push_back({QRegularExpression(expression), e.source, printf.size() - printf.count(u'%') * 2});
    }
    std::stable_sort(out.begin(), out.end(), [](const FormattedText& a, const FormattedText& b) { return a.literalLength > b.literalLength; });
    return out;
}

// A catalog text translated, or nothing when the catalog does not hold it.
bool translateWhole(const QString& text, QString* out) {
    const QByteArray utf8 = text.toUtf8();
    const QString translated = QCoreApplication::translate(CONTEXT, utf8.constData());
    if (translated != text) {
        *out = translated;
        return true;
    }
    return false;
}

QString translateLine(const QString& line);
QString translateJoined(const QString& line);

// An argument is shorter than the text it came from: the recursion ends.
QString translateArgument(const QString& argument) { return translateLine(argument); }

QString translateLine(const QString& line) {
    QString out;
    if (line.isEmpty() || translateWhole(line, &out)) return line.isEmpty() ? line : out;
    // "what: a catalog text" before the patterns, which would take "what:" for an argument.
    const qsizetype last = line.lastIndexOf(QLatin1String(": "));
    if (last > 0 && translateWhole(line.mid(last + 2), &out)) return translateLine(line.left(last)) + QLatin1String(": ") + out;
    static const std::vector<FormattedText> formatted = formattedTexts();
    for (const FormattedText& f : formatted) {
        const QRegularExpressionMatch m = f.match.match(line);
        if (!m.hasMatch()) continue;
        QStringList arguments;
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) arguments << translateArgument(m.captured(i));
        return fillPlaceholders(QCoreApplication::translate(CONTEXT, f.source), arguments);
    }
    return translateJoined(line);
}

// Texts the game layer puts together from others.
QString translateJoined(const QString& line) {
    QString out;
    // 无法复盘：引擎出错 — a catalog head up to its colon, then what follows.
    const qsizetype colon = line.indexOf(FULLWIDTH_COLON);
    if (colon > 0 && colon + 1 < line.size() && translateWhole(line.left(colon + 1), &out))
        return out + translateLine(line.mid(colon + 1));
    // a.pgn 第3局: 不是棋谱文件 — what something is, then a catalog text.
    for (qsizetype at = line.indexOf(QLatin1String(": ")); at > 0; at = line.indexOf(QLatin1String(": "), at + 1)) {
        const QString rest = line.mid(at + 2);
        const QString translated = translateLine(rest);
        if (translated != rest) return translateLine(line.left(at)) + QLatin1String(": ") + translated;
    }
    // 红方长将，判负 — two catalog texts in a row, a space between them in translation.
    QString second;
    for (qsizetype split = line.size() - 1; split > 0; --split)
        if (translateWhole(line.left(split), &out) && translateWhole(line.mid(split), &second))
            return out + u' ' + second;
    return line;
}

}  // namespace

QString shownText(const char* source) { return QCoreApplication::translate(CONTEXT, source); }

QString shownGbk(std::string_view gbk) {
    const QString text = QString::fromUtf8(gbkToUtf8Lossy(gbk));
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) line = translateLine(line);
    return lines.join(u'\n');
}

QString fillPlaceholders(const QString& pattern, const QStringList& arguments) {
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        qsizetype end = i + 1;
        int number = 0;
        while (pattern[i] == u'%' && end < pattern.size() && pattern[end].isDigit() && number * 10 + pattern[end].digitValue() <= arguments.size())
            number = number * 10 + pattern[end++].digitValue();
        if (number >= 1) {
            out += arguments[number - 1];
            i = end - 1;
        } else {
            out += pattern[i];
        }
    }
    return out;
}
