#include "shell/windows/gbk_text_limit.h"

#include <QList>
#include <algorithm>

#include "shell/platform/qt_text.h"

int gbkLength(const QString& text) { return static_cast<int>(fromQt(text).size()); }

namespace {

QString fromCodePoints(const QList<uint>& points, qsizetype from, qsizetype count) {
    const QList<uint> part = points.mid(from, count);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(part.constData()), part.size());
}

}  // namespace

QString limitGbkEdit(const QString& before, const QString& after, int limit, int* cursor) {
    const int length = gbkLength(after);
    if (length <= limit || length <= gbkLength(before)) {
        if (cursor) *cursor = -1;
        return after;
    }
    const QList<uint> a = before.toUcs4();
    const QList<uint> b = after.toUcs4();
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
        ++suffix;
    }
    const QString head = fromCodePoints(b, 0, prefix);
    const QString tail = fromCodePoints(b, b.size() - suffix, suffix);
    const int room = limit - gbkLength(head) - gbkLength(tail);
    if (room < 0) {
        // Even without the new characters the text is too long: only what
        // the change removed goes.
        if (cursor) *cursor = static_cast<int>(head.size());
        return head + tail;
    }
    qsizetype kept = b.size() - prefix - suffix;
    QString inserted = fromCodePoints(b, prefix, kept);
    while (kept > 0 && gbkLength(inserted) > room) {
        --kept;
        inserted = fromCodePoints(b, prefix, kept);
    }
    if (cursor) *cursor = static_cast<int>(head.size() + inserted.size());
    return head + inserted + tail;
}
