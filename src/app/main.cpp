// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppConfig.h"
#include "AppTranslations.h"
#include "CMZ58App.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MZ58Win"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.mz58win.mz58win"));
    // Before any window exists: the language chosen in View > Language, else the user's
    // (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    const QString language = mz58::AppConfig::read(mz58::configurationFilePath()).language;
    mz58::installTranslations(app, mz58::languageLocale(mz58::languageFromKey(language)));
    mz58::CMZ58App::Options options;
    options.arguments = QApplication::arguments().mid(1);
    mz58::CMZ58App mz58app(options);
    if (!mz58app.InitInstance())
        return 0;
    return QApplication::exec();
}
