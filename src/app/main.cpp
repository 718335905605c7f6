#include "AppTranslations.h"
#include "CMZ58App.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MZ58Win"));
    // Before any window exists: the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    mz58::installTranslations(app);
    mz58::CMZ58App::Options options;
    options.arguments = QApplication::arguments().mid(1);
    mz58::CMZ58App mz58app(options);
    if (!mz58app.InitInstance())
        return 0;
    return QApplication::exec();
}
