// SPDX-License-Identifier: GPL-3.0-or-later
// The window application without a mouse: every menu entry has a mnemonic of its own in both
// languages, F10 opens the menu bar, Ctrl+Q ends the program, every dialog opens on its first
// field with Tab in layout order and the buttons last, and windows open over their parent.
#include "AppContext.h"
#include "AppTranslations.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "HelpWindow.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"
#include "ShownFrame.h"
#include "WindowWalk.h"

#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace mz58;

namespace {

// The mnemonic of a menu text (the letter after a single '&'), lower case; empty when none.
QString mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Entries of `menu` (and its submenus) without a mnemonic or sharing one with a sibling.
void checkMenu(const QString& path, const QList<QAction*>& entries, QStringList& faults) {
    QHash<QString, QString> taken;
    for (QAction* action : entries) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString text = action->text().section(u'\t', 0, 0);
        const QString key = mnemonic(text);
        if (key.isEmpty())
            faults << path + QStringLiteral(": no mnemonic: ") + text;
        else if (taken.contains(key))
            faults << path + QStringLiteral(": ") + text + QStringLiteral(" and ") + taken[key] +
                          QStringLiteral(" share ") + key;
        else
            taken.insert(key, text);
        if (action->menu())
            checkMenu(path + QStringLiteral(" > ") + text, action->menu()->actions(), faults);
    }
}

// How far the centre of `window` lies from the centre of `parent`.
int offCentre(const QWidget* window, const QWidget* parent) {
    return (window->frameGeometry().center() - parent->frameGeometry().center()).manhattanLength();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void initTestCase() {
        (void)installTranslations(*qApp, languageLocale(Language::Chinese));
        m_context.configPath = m_dir.filePath(QStringLiteral("MZ58Win.ini"));
        QVERIFY(test::showNewFrame(m_prompter, m_chooser, m_context, m_dir.path(), m_doc, m_frame));
    }

    void cleanupTestCase() {
        m_frame.reset();
        m_doc.reset();
    }

    // Chinese first, then English chosen in View > Language while the window is open: the
    // menus are translated at once and keep a mnemonic each; the choice is remembered.
    void everyMenuEntryHasItsOwnMnemonic_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("Chinese") << cmd::kLanguageChinese;
        QTest::newRow("English") << cmd::kLanguageEnglish;
    }

    void everyMenuEntryHasItsOwnMnemonic() {
        QFETCH(int, language);
        m_frame->action(language)->trigger();
        const bool english = language == cmd::kLanguageEnglish;
        QTRY_COMPARE(m_frame->action(cmd::kUpload)->text(),
                     english ? QStringLiteral("&Read from radio") : QStringLiteral("&U读取"));
        QCOMPARE(QSettings(m_context.configPath, QSettings::IniFormat)
                     .value(QStringLiteral("Initialize/Language"))
                     .toString(),
                 english ? QStringLiteral("en") : QStringLiteral("zh_CN"));
        QStringList faults;
        checkMenu(QStringLiteral("menu bar"), m_frame->menuBar()->actions(), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void f10OpensTheMenuBarAndCtrlQEnds() {
        QTest::keyClick(m_frame.get(), Qt::Key_F10);
        QTRY_VERIFY(m_frame->menuBar()->activeAction());
        QCOMPARE(m_frame->menuBar()->activeAction(), m_frame->menuBar()->actions().front());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(m_frame->menuBar(), Qt::Key_Escape);
        QVERIFY(m_frame->action(cmd::kAppExit)->shortcuts().contains(QKeySequence::Quit) ||
                m_frame->action(cmd::kAppExit)->shortcuts().contains(QKeySequence("Ctrl+Q")));
    }

    void dialogsOpenOnTheirFirstFieldOverTheWindow_data() {
        QTest::addColumn<int>("dialog");
        const auto dialogs = test::everyDialog();
        for (std::size_t i = 0; i < dialogs.size(); ++i)
            QTest::newRow(dialogs[i].name) << static_cast<int>(i);
    }

    // The first stop of Tab is the first enabled field; Tab then visits every field before it
    // reaches the buttons.
    void dialogsOpenOnTheirFirstFieldOverTheWindow() {
        QFETCH(int, dialog);
        bool opened = false;
        test::inspectDialog(
            test::everyDialog()[static_cast<std::size_t>(dialog)], m_frame.get(), [&](QDialog* d) {
                opened = true;
                QVERIFY(QTest::qWaitForWindowActive(d));
                QWidget* first = d->focusWidget();
                QVERIFY(first);
                QList<QWidget*> stops{first};
                for (int i = 0; i < 200; ++i) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    QWidget* now = d->focusWidget();
                    if (now == first)
                        break;
                    if (!stops.contains(now))
                        stops << now;
                }
                bool fields = false, buttonSeen = false;
                for (QWidget* stop : stops) {
                    const bool button = qobject_cast<QPushButton*>(stop) != nullptr;
                    fields |= !button;
                    QVERIFY2(button || !buttonSeen,
                             qPrintable(QStringLiteral("a field after the buttons: ") +
                                        stop->metaObject()->className()));
                    buttonSeen |= button;
                }
                QVERIFY2(!fields || !qobject_cast<QPushButton*>(first), "focus on a button");
                QVERIFY2(offCentre(d, m_frame.get()) <= 2,
                         qPrintable(QString::number(offCentre(d, m_frame.get()))));
            });
        QVERIFY(opened);
    }

    void helpWindowOpensOverItsWindow() {
        showHelpTopic(m_frame.get(), 0);
        HelpWindow* help = HelpWindow::current();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY2(offCentre(help, m_frame.get()) <= 8, // it has no frame until it is shown
                 qPrintable(QString::number(offCentre(help, m_frame.get()))));
        help->close();
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "KeyboardTest.moc"
