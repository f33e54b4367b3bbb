#include "shell/platform/qt_text.h"

#include <QFile>

#include "game/gbk.h"

QString toQt(const std::string& gbk) { return QString::fromStdString(gbkToUtf8Lossy(gbk)); }

std::string fromQt(const QString& text) { return utf8ToGbkLossy(text.toStdString()); }

QString pathToQt(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string pathFromQt(const QString& path) { return QFile::encodeName(path).toStdString(); }
