// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace mz58 {

// The window's language: the user's (the system's), or one chosen in View > Language.
enum class Language { System, Chinese, English };

// The configuration's word for a language ("", "zh_CN", "en") and back; unknown words are the
// system's language.
QString languageKey(Language language);
Language languageFromKey(const QString& key);
// The locale whose UI languages decide the translation for a choice.
QLocale languageLocale(Language language);

// Installs the translation of the application's texts for the first of `locale`'s UI languages
// that is Chinese or has one, and Qt's own texts (standard buttons, file, print and page
// dialogs) in that language when Qt has them. Chinese is the language of the source texts: for
// it, as for a language without translation, no translation of ours is installed. Translations
// installed by an earlier call are removed first, so that a language can be changed while the
// window is open (every widget then gets a LanguageChange event). Returns whether a translation
// of ours was installed.
bool installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

// Whether the window shows the Chinese source texts (no translation of ours in force).
bool showsSourceTexts();

} // namespace mz58
