// The boundary between the program's GBK texts and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>

QString toQt(const std::string& gbk);
std::string fromQt(const QString& text);
// File paths cross in the file system's own encoding, not GBK.
QString pathToQt(const std::string& path);
std::string pathFromQt(const QString& path);
