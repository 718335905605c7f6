// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace mz58 {
namespace {

QPointer<QTranslator> s_ours;
QPointer<QTranslator> s_qt;

void removeInstalled() {
    for (QPointer<QTranslator>* t : {&s_ours, &s_qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete t->data();
        }
    }
}

// Installs `name`_<language>.qm from `dir` for `language`; the translator is owned by `app`.
QTranslator* install(QCoreApplication& app, const QLocale& language, const QString& name,
                     const QString& dir) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(language, name, QStringLiteral("_"), dir)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

QString languageKey(Language language) {
    switch (language) {
    case Language::Chinese:
        return QStringLiteral("zh_CN");
    case Language::English:
        return QStringLiteral("en");
    default:
        return QString();
    }
}

Language languageFromKey(const QString& key) {
    if (key == languageKey(Language::Chinese))
        return Language::Chinese;
    if (key == languageKey(Language::English))
        return Language::English;
    return Language::System;
}

QLocale languageLocale(Language language) {
    switch (language) {
    case Language::Chinese:
        return QLocale(QLocale::Chinese, QLocale::China);
    case Language::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    default:
        return QLocale::system();
    }
}

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    removeInstalled();
    // The translations are built into the program (translations/*.ts, prefix "/i18n").
    QLocale language;
    for (const QString& name : locale.uiLanguages()) {
        language = QLocale(name);
        if (language.language() == QLocale::Chinese)
            break;
        if ((s_ours = install(app, language, QStringLiteral("mz58win"), QStringLiteral(":/i18n"))))
            break;
    }
    const bool chinese = !s_ours && language.language() == QLocale::Chinese;
    if (!s_ours && !chinese)
        return false;
    // Qt's own texts in the same language (package qt6-translations-l10n).
    s_qt = install(app, language, QStringLiteral("qtbase"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return s_ours != nullptr;
}

bool showsSourceTexts() {
    return !s_ours;
}

} // namespace mz58
