// SPDX-License-Identifier: GPL-3.0-or-later
// The window application as a screen reader meets it, through Qt's accessibility interfaces:
// every control that Tab reaches has a name, the channel table says which bank it shows, its
// cells speak their column and channel with the value, and the tips are descriptions.
#include "AppContext.h"
#include "AppTranslations.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "MessageBoxPrompter.h"
#include "QtFileChooser.h"
#include "UiText.h"
#include "WindowWalk.h"

#include <QAccessible>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace mz58;

namespace {

QString accessibleText(QObject* object, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(text) : QString();
}

// The controls Tab reaches (shown, enabled, taking the focus by Tab) that a screen reader
// cannot name.
QStringList namelessControls(QWidget* window) {
    QStringList nameless;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->focusProxy())
            continue;
        if (accessibleText(w).trimmed().isEmpty())
            nameless << QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') +
                            w->property("controlId").toString();
    }
    return nameless;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    QTableView* m_grid = nullptr;

private slots:
    void initTestCase() {
        QVERIFY(installTranslations(*qApp, languageLocale(Language::English)));
        m_context.configPath = m_dir.filePath(QStringLiteral("MZ58Win.ini"));
        m_doc = std::make_unique<CMZ58Doc>(m_prompter, m_chooser, m_dir.path().toStdString());
        m_doc->OnNewDocument();
        // The accessory key switches banks, and bank B has channels: F2 shows bank B.
        ImageState state = test::freshState();
        state.image[64] = 0x8C;
        QVERIFY(m_doc->commitEdit(std::move(state), {}, {}, kHintRebuild));
        m_frame = std::make_unique<CMainFrame>(*m_doc, m_context);
        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        m_grid = m_frame->view()->findChild<QTableView*>();
        QVERIFY(m_grid);
    }

    void cleanupTestCase() {
        m_frame.reset();
        m_doc.reset();
    }

    void everyControlOfTheWindowHasAName() {
        QCOMPARE(namelessControls(m_frame.get()), QStringList());
        for (QToolButton* button : m_frame->findChild<QToolBar*>()->findChildren<QToolButton*>()) {
            if (button->defaultAction() == m_frame->action(cmd::kToolbarUpload))
                QCOMPARE(accessibleText(button), QStringLiteral("Read from radio"));
        }
    }

    // The table's name follows F2; a cell says its column (both header rows), its channel as
    // the grid numbers it, and its value; a column header says both rows.
    void theTableSaysTheBankAndItsCells() {
        QCOMPARE(accessibleText(m_grid), QStringLiteral("Channels of bank A"));
        m_grid->setFocus();
        QTest::keyClick(m_grid, Qt::Key_F2);
        QCOMPARE(m_frame->view()->bank(), int(kBankB));
        QCOMPARE(accessibleText(m_grid), QStringLiteral("Channels of bank B"));
        QTest::keyClick(m_grid, Qt::Key_F2);

        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(m_grid);
        QVERIFY(table && table->tableInterface());
        QAccessibleInterface* cell =
            table->tableInterface()->cellAt(2, static_cast<int>(Column::Receive));
        QVERIFY(cell && cell->tableCellInterface());
        QCOMPARE(cell->text(QAccessible::Name),
                 QStringLiteral("Frequency Receive, Ch 3: 150.00000"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("channel in use"));
        const QList<QAccessibleInterface*> headers =
            cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.front()->text(QAccessible::Name), QStringLiteral("Frequency Receive"));
        QCOMPARE(headers.front()->text(QAccessible::Description), QStringLiteral("Frequency"));
        for (QAccessibleInterface* header : headers) // Qt 6.4 hands them out unowned
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
    }

    void everyDialogNamesItsControls_data() {
        QTest::addColumn<int>("dialog");
        const auto dialogs = test::everyDialog();
        for (std::size_t i = 0; i < dialogs.size(); ++i)
            QTest::newRow(dialogs[i].name) << static_cast<int>(i);
    }

    // A settings dialog's controls carry the tip of its bar as their description.
    void everyDialogNamesItsControls() {
        QFETCH(int, dialog);
        bool opened = false;
        test::inspectDialog(test::everyDialog()[static_cast<std::size_t>(dialog)], m_frame.get(),
                            [&](QDialog* d) {
                                opened = true;
                                QCOMPARE(namelessControls(d), QStringList());
                                for (QWidget* w : d->findChildren<QWidget*>()) {
                                    const int id = w->property("controlId").toInt();
                                    if (d->inherits("mz58::CSettingsDialog") && id > 1000 &&
                                        !uiText(id).trimmed().isEmpty())
                                        QCOMPARE(accessibleText(w, QAccessible::Description),
                                                 uiText(id).simplified());
                                }
                            });
        QVERIFY(opened);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "AccessibilityTest.moc"
