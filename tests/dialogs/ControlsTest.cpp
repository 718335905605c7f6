// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFieldCombo.h"
#include "CFieldEdit.h"
#include "CSettingsDialog.h"
#include "ControlId.h"
#include "HelpRequest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace mz58;

namespace {
// A dialog with one edit (the reference field's id) and one combo (the step-pair id).
class ProbeDialog : public CSettingsDialog {
public:
    explicit ProbeDialog(QWidget* parent = nullptr) : CSettingsDialog(102, "probe", parent) {
        edit = addEdit(2000, "edit", CFieldEdit::kDecimal, 5);
        combo = addCombo(2007, "combo", {"a", "b"});
        edit->setText("12.80MHz");
    }
    bool onOk() override {
        ++okCount;
        return true;
    }
    CFieldEdit* edit;
    CFieldCombo* combo;
    int okCount = 0;
};

// Stands for the main window: takes the help requests that reach it.
class HelpTaker : public QWidget {
public:
    int context = 0;
    bool event(QEvent* e) override {
        if (e->type() != HelpRequestEvent::eventType())
            return QWidget::event(e);
        context = static_cast<HelpRequestEvent*>(e)->contextNumber();
        e->accept();
        return true;
    }
};
} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void filter() {
        const struct {
            int mode;
            const char *accepted, *dropped;
        } rows[] = {
            {CFieldEdit::kDecimal, "09. ", "-+aA"},
            {CFieldEdit::kSignedInteger, "09 -+", ".a"},
            {CFieldEdit::kDtmf, "09AaDd#*", "Ee ."},
            {CFieldEdit::kPrintable, "A9-_ ", "#,@~!?"},
            {CFieldEdit::kSignedDecimal, "09. -+", "aE"},
            {CFieldEdit::kDigits, "09 ", ".-A"},
            {CFieldEdit::kDigitsAD, "09ABcd", "#* E"},
            {CFieldEdit::kNone, "#,@~a.", ""},
        };
        for (const auto& r : rows) {
            for (QChar c : QString(r.accepted))
                QVERIFY2(CFieldEdit::accepts(r.mode, c), qPrintable(QString(c) + r.accepted));
            for (QChar c : QString(r.dropped))
                QVERIFY2(!CFieldEdit::accepts(r.mode, c), qPrintable(QString(c) + r.accepted));
        }
    }

    void typingReplacesAndEscRestores() {
        ProbeDialog dlg;
        dlg.show();
        dlg.edit->setFocus();
        dlg.edit->committed = true; // committed before the edit
        QTest::keyClick(dlg.edit, Qt::Key_7);
        QCOMPARE(dlg.edit->text(), QString("7"));
        QCOMPARE(dlg.edit->state(), CFieldEdit::State::Editing);
        QCOMPARE(dlg.edit->palette().color(QPalette::Base),
                 QApplication::palette().color(QPalette::ToolTipBase));
        QTest::keyClick(dlg.edit, Qt::Key_A); // dropped by the decimal filter
        QTest::keyClick(dlg.edit, Qt::Key_Backspace);
        QCOMPARE(dlg.edit->text(), QString());
        QTest::keyClick(dlg.edit, Qt::Key_Escape);
        QCOMPARE(dlg.edit->text(), QString("12.80MHz"));
        QVERIFY(dlg.edit->committed); // Esc keeps the committed flag
        QVERIFY(dlg.isVisible());
    }

    void enterStartsAndEndsAnEdit() {
        ProbeDialog dlg;
        dlg.show();
        dlg.edit->setFocus();
        QTest::keyClick(dlg.edit, Qt::Key_Return);
        QCOMPARE(dlg.edit->state(), CFieldEdit::State::Editing);
        QCOMPARE(dlg.edit->text(), QString("12.80")); // cut to max length
        QVERIFY(!dlg.edit->committed);
        QTest::keyClick(dlg.edit, Qt::Key_Return);
        QVERIFY(dlg.edit->committed);
        QCOMPARE(dlg.edit->state(), CFieldEdit::State::Idle);
        dlg.edit->Enable(false);
        QCOMPARE(dlg.edit->state(), CFieldEdit::State::Disabled);
        QVERIFY(dlg.isVisible() && dlg.okCount == 0);
    }

    void enterInComboOpensTheList() {
        ProbeDialog dlg;
        dlg.show();
        dlg.combo->setFocus();
        QTest::keyClick(dlg.combo, Qt::Key_Return);
        QVERIFY(dlg.combo->view()->isVisible());
        QVERIFY(dlg.isVisible() && dlg.okCount == 0);
    }

    void okOnlyFromItsButton() {
        ProbeDialog dlg;
        dlg.show();
        dlg.okButton()->setFocus();
        QVERIFY(!dlg.okButton()->isDefault() && !dlg.okButton()->autoDefault());
        QTest::keyClick(&dlg, Qt::Key_Return);
        QCOMPARE(dlg.okCount, 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void tipPanes() {
        ProbeDialog dlg;
        QCOMPARE(dlg.tipText(0), QString(" "));
        QCOMPARE(dlg.ShowTip(2007), CSettingsDialog::kIdleMessage);
        QCOMPARE(dlg.tipText(0), QString("Channel Spacing"));
        QCOMPARE(dlg.tipText(1), QString("<SELECT>"));
        QCOMPARE(dlg.ShowTip(2400), 2007);
        QCOMPARE(dlg.tipText(1), QString());
        dlg.ShowTip(424242); // no such string: nothing changes on screen
        QCOMPARE(dlg.tipText(0), QString("序列号(厂方编辑)"));
        dlg.show();
        dlg.combo->setFocus();
        QTRY_COMPARE(dlg.lastTipId(), 2007);
    }

    void f1AsksForTheDialogsHelpContext() {
        HelpTaker frame;
        ProbeDialog dlg(&frame);
        dlg.show();
        dlg.edit->setFocus();
        QTest::keyClick(dlg.edit, Qt::Key_F1);
        QCOMPARE(frame.context, 0x20066);
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
