#include "AppTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace mz58 {

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    // The translations are built into the program (translations/*.ts, prefix "/i18n").
    auto* translator = new QTranslator(&app);
    QLocale language;
    bool found = false;
    for (const QString& name : locale.uiLanguages()) {
        language = QLocale(name);
        if (language.language() == QLocale::Chinese)
            break;
        if (translator->load(language, QStringLiteral("mz58win"), QStringLiteral("_"),
                             QStringLiteral(":/i18n"))) {
            found = true;
            break;
        }
    }
    if (!found) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    // Qt's own texts (standard buttons, file dialog) in the same language, when installed.
    auto* qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
    else
        delete qtTranslator;
    return true;
}

} // namespace mz58
