// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppTranslations.h"
#include "CMainFrame.h"
#include "CPasswordDlg.h"
#include "ChannelGridLayout.h"
#include "UiText.h"

#include <QApplication>
#include <QTest>

using namespace mz58;

// The embedded English translation holds texts of every kind lupdate has to find: the frame's
// command table, the core's string table and grid texts, and the dialogs' tr() texts.
class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    // The user's languages are Chinese, then English (main() below): Chinese comes first.
    void chineseKeepsTheSourceTexts() {
        QVERIFY(!installTranslations(*qApp));
        QCOMPARE(uiText(msg::kFileWriteError), QStringLiteral("文件写入错误"));
    }

    void englishTranslatesEveryKindOfText() {
        QVERIFY(installTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
        QCOMPARE(CMainFrame::tr(commandTable().front().text), QStringLiteral("&New\tCtrl+N"));
        QCOMPARE(uiText(msg::kFileWriteError), QStringLiteral("File write error"));
        QCOMPARE(uiMessage(msg::kAskToSave, std::array<std::string, 1>{"a.q7m"}),
                 QStringLiteral("Save changes to a.q7m?"));
        QCOMPARE(QCoreApplication::translate(kChannelGridContext, columnGroupMenuText(1).data()),
                 QStringLiteral("Frequency"));
        CPasswordDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Password"));
    }
};

int main(int argc, char* argv[]) {
    qputenv("LANGUAGE", "zh_CN:en");
    QApplication app(argc, argv);
    TranslationTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "TranslationTest.moc"
