// SPDX-License-Identifier: GPL-3.0-or-later
// The window application in English, walked as a user meets it: no Chinese may be left in any
// menu, toolbar, status line, dialog, help page or core message; and the translation file has
// a finished translation for every Chinese source text, so texts that arrive later are caught.
#include "AppContext.h"
#include "AppTranslations.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "MessageBoxPrompter.h"
#include "ModalScript.h"
#include "QtFileChooser.h"
#include "ShownFrame.h"
#include "SimulatorProcess.h"
#include "WindowWalk.h"

#include <QDirIterator>
#include <QFile>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QXmlStreamReader>

#include <memory>

using namespace mz58;
using test::hasCjk;

namespace {

// The one Chinese text an English window shows: the language menu names Chinese in Chinese.
const QString kChineseEndonym = QStringLiteral("中文 (&C)");

QStringList withCjk(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts) {
        if (hasCjk(text) && !text.endsWith(kChineseEndonym) &&
            text != QString(kChineseEndonym).remove(u'&'))
            found << text;
    }
    return found;
}

} // namespace

class EnglishWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    SimulatorProcess m_radio;
    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void initTestCase() {
        QVERIFY(installTranslations(*qApp, languageLocale(Language::English)));
        // A radio that stays switched off: the transfer dialog waits and can be looked at.
        QVERIFY(m_radio.start(kVhf, {"--state", "off", "--power-on-after", "600000"}));
        m_context.configPath = m_dir.filePath(QStringLiteral("MZ58Win.ini"));
        m_context.simulated = true;
        m_context.simulatorPort = m_radio.portPath().toStdString();
        QVERIFY(test::showNewFrame(m_prompter, m_chooser, m_context, m_dir.path(), m_doc, m_frame));
    }

    void cleanupTestCase() {
        m_frame.reset();
        m_doc.reset();
    }

    void mainWindowIsEnglish() {
        QStringList texts = test::visibleTexts(m_frame.get());
        for (QAction* menu : m_frame->menuBar()->actions()) {
            texts << menu->text();
            test::collectMenuTexts(menu->menu(), menu->text(), texts);
        }
        for (QAction* button : m_frame->findChild<QToolBar*>()->actions())
            texts << button->text() << button->toolTip();
        texts << m_frame->idleText();
        QVERIFY2(withCjk(texts).isEmpty(), qPrintable(withCjk(texts).join(u'\n')));
        QCOMPARE(m_frame->action(cmd::kUpload)->text(), QStringLiteral("&Read from radio"));
        QCOMPARE(m_frame->action(cmd::kToolbarDownload)->toolTip(),
                 QStringLiteral("Write to radio"));
    }

    // A frequency the channel cannot hold is refused with the reason in the status line.
    void statusLineIsEnglish() {
        ImageState steps = m_doc->state();
        steps.hardware.stepPair = 3; // 6.25/7.5 kHz: 146.94 lies on no step the receiver holds
        QVERIFY(m_doc->commitEdit(std::move(steps), {}, {}, kHintRebuild));
        CMZ58View* view = m_frame->view();
        auto* grid = view->findChild<QTableView*>();
        grid->setFocus();
        view->setCurrentCell(0, Column::Receive);
        QTest::keyClick(grid, '1'); // opens the in-cell editor
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("46.94"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QString message = m_frame->statusBar()->currentMessage();
        QVERIFY(message.contains(QLatin1String("146.94")));
        QVERIFY2(!hasCjk(message), qPrintable(message));
        while (m_doc->canUndo())
            m_doc->undo();
    }

    void everyDialogIsEnglish_data() {
        QTest::addColumn<int>("dialog");
        const auto dialogs = test::everyDialog();
        for (std::size_t i = 0; i < dialogs.size(); ++i)
            QTest::newRow(dialogs[i].name) << static_cast<int>(i);
    }

    void everyDialogIsEnglish() {
        QFETCH(int, dialog);
        QStringList texts;
        bool opened = false;
        test::inspectDialog(test::everyDialog()[static_cast<std::size_t>(dialog)], m_frame.get(),
                            [&](QDialog* d) {
                                opened = true;
                                texts = test::visibleTexts(d);
                            });
        QVERIFY(opened);
        QVERIFY2(withCjk(texts).isEmpty(), qPrintable(withCjk(texts).join(u'\n')));
    }

    void transferDialogIsEnglish() {
        QStringList texts;
        bool looked = false;
        test::ModalScript script;
        script.on<QDialog>([&](QDialog* gauge) {
            if (!looked) {
                looked = true;
                QTest::qWait(300); // the dialog has started waiting for the radio
                texts = test::visibleTexts(gauge);
            }
            gauge->reject();
        });
        m_frame->action(cmd::kUpload)->trigger();
        QTRY_VERIFY(script.done());
        QVERIFY(!texts.isEmpty());
        QCOMPARE(withCjk(texts), QStringList());
    }

    // Every help page, the contents first, with the window's buttons and title.
    void helpPagesAreEnglish() {
        showHelpTopic(m_frame.get(), 0);
        HelpWindow* help = HelpWindow::current();
        QVERIFY(help);
        QCOMPARE(withCjk(test::visibleTexts(help)), QStringList());
        QDirIterator pages(QStringLiteral(":/help"), {QStringLiteral("*.html")});
        int count = 0;
        while (pages.hasNext()) {
            help->browser()->setSource(QUrl(QStringLiteral("qrc") + pages.next()));
            const QString text = help->browser()->toPlainText() + help->windowTitle();
            QVERIFY2(!hasCjk(text), qPrintable(pages.filePath() + QLatin1Char(' ') + text));
            ++count;
        }
        QVERIFY(count > 40);
        help->close();
    }

    // lupdate adds the texts of new code as unfinished entries: each Chinese one needs its
    // English translation before the window can be English throughout.
    void everyChineseSourceIsTranslated() {
        QFile file(QStringLiteral(MZ58_TRANSLATIONS_DIR "/mz58win_en.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        QStringList missing;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                ++messages;
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                const QString translation =
                    xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (hasCjk(source) && (type == QLatin1String("unfinished") ||
                                       translation.isEmpty() || hasCjk(translation)))
                    missing << context + QStringLiteral(": ") + source;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 300);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    EnglishWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "EnglishWindowTest.moc"
