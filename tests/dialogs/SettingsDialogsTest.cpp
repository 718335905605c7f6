#include "SettingsDialogs.h"
#include "CFieldEdit.h"
#include "CSettingsDialog.h"
#include "ControlId.h"
#include "DialogScript.h"
#include "OtherDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mz58;
using namespace mz58::test;

namespace {

using Runner = DialogOutcome (*)(QWidget*, ImageState&, const DialogContext&);
struct Command {
    const char* name;
    Runner run;
};
// The Settings menu's dialogs (and the channel type command), by command.
const Command kCommands[] = {
    {"hardware", runHardwareDialog},
    {"scan", runScanDialog},
    {"power save", runPowerSaveDialog},
    {"options", runOptionsDialog},
    {"key function", runKeyFunctionDialog},
    {"market number", runMarketNumberDialog},
    {"other functions", runOtherFunctionsDialog},
    {"channel type", runChannelTypeDialog},
};

// Answers every question with a fixed answer and counts the questions.
struct FixedPrompter : Prompter {
    Answer answer = Answer::Yes;
    int asked = 0;
    Answer ask(StringId, std::span<const std::string>, Buttons, Icon) override {
        ++asked;
        return answer;
    }
};

DialogContext inMode(bool maintenance) {
    DialogContext ctx;
    ctx.maintenanceMode = maintenance;
    return ctx;
}

ImageState freshState() {
    ImageState s;
    ImageCodec::resetAll(s);
    return s;
}

} // namespace

class SettingsDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void comboWritesItsByteOnOkOnly() {
        const struct {
            const char* name;
            int command, control, entry, byte, mask, value;
        } rows[] = {
            {"squelch release 300 msec", 0, 2009, 30, 50, 0x3F, 60},
            {"squelch attack 70 msec", 0, 2010, 7, 51, 0xF0, 0xE0},
            {"DCS transmit inverted", 0, 2013, 1, 50, 0x40, 0x40},
            {"dual watch 3000 msecs", 1, 2101, 10, 61, 0x0F, 10},
            {"priority beep Disabled", 1, 2108, 1, 64, 0x02, 0x02},
            {"bank B priority None", 1, 2105, 8, 41, 0xFF, 8},
            {"auto power-off 8 Hrs", 2, 2156, 3, 63, 0xC0, 0xC0},
            {"transmit timer 7 Mins", 2, 2153, 7, 62, 0xE0, 0xE0},
            {"QM-Trunk", 3, 2052, 3, 26, 0x7C, 0x28},
            {"encryption board Yes", 3, 2050, 0, 26, 0x01, 0x00},
            {"key Talk Around", 4, 2250, 4, 64, 0xF0, 0x40},
            {"lamp Disabled", 6, 2503, 1, 61, 0x80, 0x80},
            {"power-on dual watch", 6, 2500, 1, 65, 0x80, 0x80},
        };
        for (const auto& r : rows) {
            for (bool ok : {false, true}) {
                ImageState state = freshState();
                ImageCodec::encodeAll(state);
                const RadioImage before = state.image;
                whenOpen([&](QDialog* d) {
                    chooseWithKeys(findControl<QComboBox>(d, r.control), r.entry);
                    if (ok)
                        clickOk(d);
                });
                const auto outcome = kCommands[r.command].run(nullptr, state, inMode(true));
                QVERIFY2(outcome.accepted == ok, r.name);
                if (ok)
                    QVERIFY2((state.image[std::size_t(r.byte)] & r.mask) == r.value, r.name);
                else
                    QVERIFY2(state.image == before, r.name); // Cancel changes no byte
            }
        }
    }

    void maintenanceEnablesControls() {
        const struct {
            int command;
            QList<int> controls;
        } rows[] = {{0, {2005, 2000, 2006, 2008, 2009, 2010, 2011, 2012, 2013}},
                    {3, {2050, 2051, 2052}},
                    {5, {2400}}};
        for (const auto& r : rows) {
            for (bool maintenance : {true, false}) {
                ImageState state = freshState();
                QList<bool> enabled;
                whenOpen([&](QDialog* d) {
                    for (int id : r.controls)
                        enabled << findControl<QWidget>(d, id)->isEnabled();
                    QVERIFY(!findControl<QWidget>(d, 2001) ||
                            !findControl<QWidget>(d, 2001)->isEnabled());
                });
                kCommands[r.command].run(nullptr, state, inMode(maintenance));
                QVERIFY2(enabled == QList<bool>(r.controls.size(), maintenance),
                         kCommands[r.command].name);
            }
        }
    }

    void enterNeverClosesADialog() {
        for (const auto& command : kCommands) {
            ImageState state = freshState();
            int pressed = 0;
            bool stayedOpen = true;
            whenOpen([&](QDialog* d) {
                for (QWidget* w : d->findChildren<QWidget*>()) {
                    const int id = w->property("controlId").toInt();
                    if (id <= CSettingsDialog::kCancelId || !w->isEnabled() ||
                        w->focusPolicy() == Qt::NoFocus)
                        continue;
                    w->setFocus();
                    QTest::keyClick(w, Qt::Key_Return);
                    QTest::keyClick(w, Qt::Key_Return); // closes an opened list, ends an edit
                    ++pressed;
                    stayedOpen = stayedOpen && d->isVisible();
                }
            });
            const auto outcome = command.run(nullptr, state, inMode(true));
            QVERIFY2(pressed > 0 && stayedOpen && !outcome.accepted, command.name);
        }
    }

    void bandChange() {
        const struct {
            const char* name;
            bool answerYes, documentModified, saved, changed;
        } rows[] = {{"yes", true, false, false, true},
                    {"no", false, false, false, false},
                    {"unsaved, saved first", true, true, true, true},
                    {"unsaved, save cancelled", true, true, false, false}};
        for (const auto& r : rows) {
            ImageState state = freshState();
            const RadioImage vhfImage = state.image;
            FixedPrompter prompter;
            prompter.answer = r.answerYes ? Answer::Yes : Answer::No;
            int saveOffers = 0;
            DialogContext ctx{.maintenanceMode = true,
                              .documentModified = r.documentModified,
                              .prompter = &prompter,
                              .saveChangesFirst = [&] {
                                  ++saveOffers;
                                  return r.saved;
                              }};
            whenOpen([&](QDialog* d) {
                chooseWithKeys(findControl<QComboBox>(d, 2005), 1);
                clickOk(d);
            });
            const auto outcome = runHardwareDialog(nullptr, state, ctx);
            QVERIFY2(prompter.asked == 1, r.name);
            QVERIFY2(saveOffers == (r.answerYes && r.documentModified ? 1 : 0), r.name);
            QVERIFY2(outcome.refreshHint == (r.changed ? 4 : 0), r.name);
            QVERIFY2(r.changed ? state.image[47] == 0x2B : state.image == vhfImage, r.name);
            QVERIFY2(state.localOffset == (r.changed ? 5.0 : 0.0), r.name);
            QVERIFY2(state.channels.entries[15].rxFrequency == (r.changed ? 45000000u : 15000000u),
                     r.name);
        }
    }

    void typedValues() {
        const struct {
            int command, control;
            const char *typed, *shown;
        } rows[] = {{0, 2000, "99.99", "40.00MHz"},  // reference limited by the divider
                    {5, 2400, "12", "120000"},       // serial padded
                    {6, 2520, "-150", "-99.9 MHz"}}; // offset limited
        for (const auto& r : rows) {
            ImageState state = freshState();
            QString text;
            whenOpen([&](QDialog* d) {
                auto* edit = findControl<CFieldEdit>(d, r.control);
                edit->setFocus();
                QTest::keyClicks(edit, r.typed);
                QTest::keyClick(edit, Qt::Key_Return);
                text = edit->text();
                QVERIFY(d->isVisible());
                clickOk(d);
            });
            kCommands[r.command].run(nullptr, state, inMode(true));
            QCOMPARE(text, QString(r.shown));
            if (r.control == 2400)
                QCOMPARE(QByteArray(reinterpret_cast<const char*>(&state.image[349]), 3),
                         QByteArray("\x12\x00\x00", 3));
            if (r.control == 2520)
                QCOMPARE(state.localOffset, -99.9);
            if (r.control == 2000)
                QCOMPARE(state.hardware.reference, 40.0);
        }
    }

    void listsFollowPowerOnDualWatch() {
        const struct {
            const char* name;
            int command, control;
            bool dualWatch;
            int count;
        } rows[] = {{"priority with", 1, 2104, true, 8},
                    {"priority without", 1, 2105, false, 9},
                    {"key with", 4, 2250, true, 8},
                    {"key without", 4, 2250, false, 9}};
        for (const auto& r : rows) {
            ImageState state = freshState();
            state.image[65] = r.dualWatch ? 0x80 : 0x00;
            int shown = -1;
            whenOpen([&](QDialog* d) { shown = findControl<QComboBox>(d, r.control)->count(); });
            kCommands[r.command].run(nullptr, state, inMode(false));
            QVERIFY2(shown == r.count, r.name);
        }
    }

    void channelTypeOfBankB() {
        ImageState state = freshState();
        whenOpen([&](QDialog* d) {
            chooseWithKeys(findControl<QComboBox>(d, 3703), 8);
            clickOk(d);
        });
        const auto outcome = runChannelTypeDialog(nullptr, state, [] {
            DialogContext ctx;
            ctx.currentBank = 1;
            return ctx;
        }());
        QCOMPARE(outcome.refreshHint, 1);
        QVERIFY(outcome.modified);
        QCOMPARE(state.channels.entries[10].channelType, 8);
        QCOMPARE(state.channels.entries[2].channelType, 2);
    }

    void comPort() {
        ComPortMap ports;
        int port = 3;
        bool openedOn3 = false;
        whenOpen([&](QDialog* d) {
            openedOn3 = findControl<QRadioButton>(d, 3603)->isChecked();
            auto* com1 = findControl<QRadioButton>(d, 3601);
            QTest::mouseClick(com1, Qt::LeftButton);
            QTest::keyClick(com1, Qt::Key_Return); // swallowed
            QVERIFY(d->isVisible());
        });
        QVERIFY(!runComPortDialog(nullptr, port, ports));
        QVERIFY(openedOn3);
        QCOMPARE(port, 3);
        whenOpen([&](QDialog* d) {
            QTest::mouseClick(findControl<QRadioButton>(d, 3601), Qt::LeftButton);
            auto* device = d->findChildren<QComboBox*>().at(1); // the device of COM 2
            device->setFocus();
            device->setEditText("/dev/ttyACM0");
            QTest::keyClick(device, Qt::Key_Return);
            QVERIFY(d->isVisible());
            auto* ok = findControl<QPushButton>(d, CSettingsDialog::kOkId);
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
        });
        QVERIFY(runComPortDialog(nullptr, port, ports));
        QCOMPARE(port, 1);
        QCOMPARE(ports.devices[1], std::string("/dev/ttyACM0"));
        QCOMPARE(ports.devices[2], ComPortMap{}.devices[2]);
    }

    void columnDisplay() {
        std::array<int, kColumnGroupCount> flags;
        flags.fill(1);
        whenOpen([&](QDialog* d) {
            auto* box = findControl<QCheckBox>(d, 2702);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return); // flips, stays open
            QVERIFY(d->isVisible());
            QTest::mouseClick(findControl<QPushButton>(d, CSettingsDialog::kOkId), Qt::LeftButton);
        });
        QVERIFY(runColumnDisplayDialog(nullptr, flags));
        QCOMPARE(flags[1], 0);
        QCOMPARE(flags[0], 1);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
