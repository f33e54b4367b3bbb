// The interface's language: the locale's, unless 设置 → 语言 chose one;
// and the English translation carried inside the program.
#include <QCoreApplication>
#include <QTest>

#include "shell/platform/interface_language.h"
#include "shell_support.h"

class InterfaceLanguageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void localeAndChoiceDecide();
    void theEnglishTranslationIsCarried();
};

void InterfaceLanguageTest::localeAndChoiceDecide() {
    constexpr InterfaceLanguage ZH = InterfaceLanguage::Chinese, EN = InterfaceLanguage::English;
    const struct {
        QStringList languages;
        LanguageChoice choice;
        InterfaceLanguage wanted;
    } CASES[] = {
        {{"zh-CN", "zh"}, LanguageChoice::Locale, ZH}, {{"zh-TW"}, LanguageChoice::Locale, ZH},
        {{"C"}, LanguageChoice::Locale, ZH},           {{"POSIX"}, LanguageChoice::Locale, ZH},
        {{}, LanguageChoice::Locale, ZH},              {{"en-US", "en"}, LanguageChoice::Locale, EN},
        {{"de-DE", "zh-CN"}, LanguageChoice::Locale, EN}, {{"en-US"}, LanguageChoice::Chinese, ZH},
        {{"zh-CN"}, LanguageChoice::English, EN},      {{"C"}, LanguageChoice::English, EN},
    };
    for (const auto& c : CASES)
        QVERIFY2(chosenLanguage(c.choice, c.languages) == c.wanted, qPrintable(c.languages.join(',')));
}

void InterfaceLanguageTest::theEnglishTranslationIsCarried() {
    // The notation a player sees before choosing one follows the language.
    QCOMPARE(languageInUse(), InterfaceLanguage::Chinese);
    QCOMPARE(defaultNotationItem(languageInUse()), 0);
    QVERIFY(installInterfaceLanguage(InterfaceLanguage::English));
    QCOMPARE(languageInUse(), InterfaceLanguage::English);
    QCOMPARE(defaultNotationItem(languageInUse()), 1);
    QCOMPARE(QCoreApplication::translate("MainMenu", "文件(&F)"), QStringLiteral("&File"));
    QCOMPARE(QCoreApplication::translate("MainMenu", "记谱方式(&N)"), QStringLiteral("&Notation"));
}

SHELL_TEST(InterfaceLanguageTest);
#include "interface_language_test.moc"
