// 设置 → 语言 (Language): 跟随系统, 中文, English. The choice is kept in
// Tevrin.cfg under "language" (0 the locale, 1 中文, 2 English), a key
// older readers skip, and takes effect at the next start.
#pragma once

class QWidget;

constexpr int CMD_LANGUAGE_FIRST = 40230;  // 跟随系统, then 中文, then English
constexpr int CMD_LANGUAGE_LAST = 40232;

// The stored choice (LanguageChoice), 0 when none is stored or it is unknown.
int storedLanguageChoice();

// Stores the choice of item id and says when it takes effect.
void chooseLanguage(int id, QWidget* parent);
