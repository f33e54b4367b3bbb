// The language of the interface: Chinese, the program's own, or English
// from the translation carried inside the program. The locale decides
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them) unless 设置 →
// 语言 has chosen one; the choice takes effect at the next start.
#pragma once

#include <QString>
#include <QStringList>

enum class InterfaceLanguage { Chinese, English };

// What 设置 → 语言 stores: follow the locale, or one language.
enum class LanguageChoice { Locale = 0, Chinese = 1, English = 2 };

// Chinese for a Chinese locale and for C and POSIX (or none), English for
// any other; the first of the locale's languages decides.
InterfaceLanguage languageOfLocale(const QStringList& uiLanguages);

InterfaceLanguage chosenLanguage(LanguageChoice choice, const QStringList& uiLanguages);

// The system's languages, most wanted first, as Qt reads them.
QStringList systemLanguages();

// Installs the program's English translation, or Qt's own Chinese texts
// (qtbase_zh_CN.qm, when installed), into the running application. False
// when the translation asked for was not found; the texts stay Chinese.
bool installInterfaceLanguage(InterfaceLanguage language);

// The language the interface speaks now: English once the English
// translation is installed, Chinese otherwise.
InterfaceLanguage languageInUse();

// 设置 → 记谱方式 before the player has chosen: Chinese notation in the
// Chinese interface, WXF in the English one (items 0 中文, 1 WXF, 2 坐标).
int defaultNotationItem(InterfaceLanguage language);
