// The texts the program shows, through Qt's translation. Chinese is the
// source language: with no translation installed every text comes back as
// it was written. All of them live in the one context "Texts":
//
//   Texts::tr("引擎管理")                      a UTF-8 literal in the shell
//   shownText(QT_TRANSLATE_NOOP("Texts", ..))  a marked literal kept in a table
//   shownGbk(GBK_SAVE_AS_PGN)                  a GBK text of the game layer,
//                                              finished or formatted there
//
// The GBK texts reach lupdate through the text catalog (text_catalog.h).
// Stored texts (records, comments, Tevrin.cfg) never pass through here.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

// A UTF-8 source text marked with QT_TRANSLATE_NOOP("Texts", ...).
QString shownText(const char* source);

// A GBK text of the program as the game layer hands it over: one of the
// catalog's texts, or one formatted from a catalog pattern (找不到文件 %s),
// whose pattern is translated and whose arguments go in after (an argument
// that is itself a catalog text, plain or formatted, is translated too). Lines are translated
// one by one. Texts put together from catalog texts are translated part by
// part: "head：rest" whose head (with its colon) is a catalog text, "what:
// text" whose text is one, and two catalog texts in a row (红方 长将，判负).
// A text the catalog does not know is shown as it is.
QString shownGbk(std::string_view gbk);

// Puts the arguments into a pattern with Qt's %1 %2 ... placeholders, in one
// pass: an argument's own '%' signs are left alone.
QString fillPlaceholders(const QString& pattern, const QStringList& arguments);
