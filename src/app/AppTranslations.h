#pragma once

#include <QLocale>

class QCoreApplication;

namespace mz58 {

// Installs the translation of the application's texts for the first of `locale`'s UI languages
// that is Chinese or has one, and Qt's own texts in that language when Qt has them. Chinese is
// the language of the source texts: for it, as for a language without translation, nothing is
// installed. Reads one embedded file (and one of Qt's); returns whether a translation was
// installed.
bool installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace mz58
