// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppContext.h"
#include "CMZ58Doc.h"
#include "CMZ58View.h"
#include "CMainFrame.h"
#include "Commands.h"
#include "ControlId.h"
#include "MessageBoxPrompter.h"
#include "ModalScript.h"
#include "QtFileChooser.h"
#include "ShownFrame.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace mz58;

// Every kind of change made with the window's keys and menus, undone with Ctrl+Z and redone
// with Ctrl+Y: the image byte for byte, the grid back at the changed cell, the modified mark.
class UndoKeysTest : public QObject {
    Q_OBJECT

    void makeFrame() {
        m_frame.reset();
        m_doc.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_context = AppContext{};
        m_context.configPath = m_dir->filePath(QStringLiteral("MZ58Win.ini"));
        QVERIFY(
            test::showNewFrame(m_prompter, m_chooser, m_context, m_dir->path(), m_doc, m_frame));
        grid()->setFocus();
    }
    QTableView* grid() const { return m_frame->view()->findChild<QTableView*>(); }
    void at(int row, Column column) { m_frame->view()->setCurrentCell(row, column); }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(grid(), static_cast<Qt::Key>(k), modifiers);
    }

    MessageBoxPrompter m_prompter;
    QtFileChooser m_chooser;
    AppContext m_context;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CMZ58Doc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;

private slots:
    void everyKindOfChangeUndoesAndRedoes() {
        const struct {
            const char* name;
            int row;
            Column column;
            const char* undoText; // what the Edit menu offers afterwards
            std::function<void(UndoKeysTest&)> change;
        } rows[] = {
            {"typed frequency", 2, Column::Receive, "Ch 3 Receive",
             [](UndoKeysTest& t) {
                 t.at(2, Column::Receive);
                 t.key(Qt::Key_1);
                 auto* editor = t.grid()->viewport()->findChild<QLineEdit*>();
                 QTest::keyClicks(editor, "46.52");
                 QTest::keyClick(editor, Qt::Key_Return);
             }},
            {"space", 1, Column::Width, "Ch 2 W/N",
             [](UndoKeysTest& t) {
                 t.at(1, Column::Width);
                 t.key(Qt::Key_Space);
             }},
            {"double click", 3, Column::Power, "Ch 4",
             [](UndoKeysTest& t) {
                 t.at(3, Column::Power);
                 const QRect cell = t.grid()->visualRect(t.grid()->currentIndex());
                 QTest::mouseDClick(t.grid()->viewport(), Qt::LeftButton, {}, cell.center());
             }},
            {"F3 on a DCS code", 4, Column::DecodeTone, "Ch 5",
             [](UndoKeysTest& t) {
                 t.at(4, Column::ToneType);
                 QGuiApplication::clipboard()->setText(QStringLiteral("DCS"));
                 t.key(Qt::Key_V, Qt::ControlModifier);
                 t.at(4, Column::DecodeTone);
                 QGuiApplication::clipboard()->setText(QStringLiteral("023"));
                 t.key(Qt::Key_V, Qt::ControlModifier);
                 t.m_before = t.m_doc->state().image; // only the inversion is undone
                 t.key(Qt::Key_F3);
             }},
            {"paste", 6, Column::Squelch, "paste into Ch 7 SQ",
             [](UndoKeysTest& t) {
                 t.at(6, Column::Squelch);
                 QGuiApplication::clipboard()->setText(QStringLiteral("9"));
                 t.key(Qt::Key_V, Qt::ControlModifier);
             }},
            {"channel copy", 5, Column::Channel, "A3",
             [](UndoKeysTest& t) {
                 t.m_doc->edit({}, {}, 0, [](ImageState& s) { s.channels.entries[2].narrow = 1; });
                 t.m_before = t.m_doc->state().image;
                 t.at(5, Column::Channel);
                 QGuiApplication::clipboard()->setText(QStringLiteral("  3"));
                 test::ModalScript script;
                 script.answer(QMessageBox::Yes);
                 t.key(Qt::Key_V, Qt::ControlModifier);
             }},
            {"settings dialog", 0, Column::Channel, "scan settings",
             [](UndoKeysTest& t) {
                 test::ModalScript script;
                 script.on<QDialog>([](QDialog* d) {
                     auto* combo = findControl<QComboBox>(d, 2102);
                     combo->setFocus();
                     QTest::keyClick(combo, Qt::Key_Down);
                     QTest::mouseClick(findControl<QPushButton>(d, 1), Qt::LeftButton);
                 });
                 t.at(0, Column::Channel); // where the user was when the dialog opened
                 t.m_frame->action(cmd::kScan)->trigger();
                 QTRY_VERIFY(script.done());
             }},
        };
        for (const auto& r : rows) {
            makeFrame();
            m_frame->view()->setCurrentCell(7, Column::Scan); // somewhere else
            m_before = m_doc->state().image;
            r.change(*this);
            m_frame
                ->activateWindow(); // after a message box, which offscreen leaves no window active
            QVERIFY2(QTest::qWaitForWindowActive(m_frame.get()), r.name);
            const RadioImage after = m_doc->state().image;
            QVERIFY2(after != m_before, r.name);
            QVERIFY2(m_frame->isWindowModified(), r.name);
            QAction* undo = m_frame->action(cmd::kEditUndo);
            QVERIFY2(undo->isEnabled() && undo->text().contains(QString(r.undoText)),
                     qPrintable(QStringLiteral("%1: %2").arg(r.name, undo->text())));
            at(7, Column::Scan);
            key(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY2(m_doc->state().image == m_before, r.name);
            QVERIFY2(grid()->currentIndex().row() == r.row, r.name);
            QVERIFY2(m_frame->action(cmd::kEditRedo)->isEnabled(), r.name);
            at(7, Column::Scan);
            key(Qt::Key_Y, Qt::ControlModifier);
            QVERIFY2(m_doc->state().image == after, r.name);
            QVERIFY2(grid()->currentIndex().row() == r.row, r.name);
            // Alt+Backspace and Ctrl+Shift+Z are the other keys of undo and redo.
            key(Qt::Key_Backspace, Qt::AltModifier);
            QVERIFY2(m_doc->state().image == m_before, r.name);
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY2(m_doc->state().image == after, r.name);
        }
    }

    // Undoing back to the file as opened clears the mark; closing then asks nothing.
    void theModifiedMarkFollowsUndo() {
        makeFrame();
        QVERIFY(!m_frame->action(cmd::kEditUndo)->isEnabled());
        at(0, Column::Width);
        key(Qt::Key_Space);
        QVERIFY(m_frame->isWindowModified());
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!m_frame->isWindowModified());
        QVERIFY(!m_frame->action(cmd::kEditUndo)->isEnabled());
        QVERIFY(m_frame->close()); // no question: the script would be needed otherwise
    }

    // Edit > Undo with the in-cell editor open takes back the typing only.
    void undoInTheEditorDropsTheTyping() {
        makeFrame();
        at(0, Column::Width);
        key(Qt::Key_Space);
        const RadioImage changed = m_doc->state().image;
        at(0, Column::Receive);
        key(Qt::Key_1);
        QVERIFY(m_frame->view()->isEditorOpen());
        m_frame->action(cmd::kEditUndo)->trigger();
        QVERIFY(!m_frame->view()->isEditorOpen());
        QVERIFY(m_doc->state().image == changed);
        QVERIFY(m_doc->canUndo());
    }

private:
    RadioImage m_before{};
};

QTEST_MAIN(UndoKeysTest)
#include "UndoKeysTest.moc"
