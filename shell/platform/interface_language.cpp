#include "shell/platform/interface_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "shell/platform/qt_translation.h"

InterfaceLanguage languageOfLocale(const QStringList& uiLanguages) {
    const QString first = uiLanguages.value(0).toLower();
    if (first.isEmpty() || first == QLatin1String("c") || first == QLatin1String("posix") ||
        first.startsWith(QLatin1String("zh")))
        return InterfaceLanguage::Chinese;
    return InterfaceLanguage::English;
}

InterfaceLanguage chosenLanguage(LanguageChoice choice, const QStringList& uiLanguages) {
    switch (choice) {
    case LanguageChoice::Chinese: return InterfaceLanguage::Chinese;
    case LanguageChoice::English: return InterfaceLanguage::English;
    case LanguageChoice::Locale: break;
    }
    return languageOfLocale(uiLanguages);
}

QStringList systemLanguages() {
    const QLocale system = QLocale::system();
    // Qt names the C locale "C" and gives it the languages of English.
    if (system.name() == QLatin1String("C")) return {QStringLiteral("C")};
    return system.uiLanguages();
}

InterfaceLanguage languageInUse() {
    // The menus are translated in every translation the program carries.
    static constexpr char PROBE[] = "文件(&F)";
    return QCoreApplication::translate("MainMenu", PROBE) == QString::fromUtf8(PROBE) ? InterfaceLanguage::Chinese
                                                                                      : InterfaceLanguage::English;
}

int defaultNotationItem(InterfaceLanguage language) { return language == InterfaceLanguage::English ? 1 : 0; }

bool installInterfaceLanguage(InterfaceLanguage language) {
    if (language == InterfaceLanguage::Chinese) return installQtTranslation();
    // One translator for the whole run, owned by the application.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/translations/morlan_en.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
