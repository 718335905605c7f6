// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessoryKeySetting.h"
#include "AniSettings.h"
#include "CFieldEdit.h"
#include "CSettingsDialog.h"
#include "ControlId.h"
#include "DialogScript.h"
#include "EditHistory.h"
#include "OtherDialogs.h"
#include "RecordingPrompter.h"
#include "ReportOutput.h"
#include "SettingsDialogs.h"
#include "SignallingDialogs.h"
#include "TestImages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using namespace mz58;
using namespace mz58::test;

namespace {

using Runner = DialogOutcome (*)(QWidget*, const ImageState&, const DialogContext&);
// The Settings menu's dialogs, the channel type command and the Signalling menu's dialogs, each
// with the option unit that offers it; three again where their lists or rows change.
const struct {
    const char* name;
    Runner run;
    int unit = 0;
    bool dualWatchAtPowerOn = false; // drops "None" and "Dual Watch" from the lists
    int bank = 0;
    std::vector<std::uint8_t> codes = {}; // the first call codes, from byte 268 on
} kCommands[] = {
    {"hardware", runHardwareDialog},
    {"scan", runScanDialog},
    {"power save", runPowerSaveDialog},
    {"options", runOptionsDialog},
    {"key function", runKeyFunctionDialog},
    {"market number", runMarketNumberDialog},
    {"other functions", runOtherFunctionsDialog},
    {"channel type", runChannelTypeDialog},
    {"ANI", runAniDialog},
    {"DTMF", runDtmfDialog},
    {"page codes", runPagingCodeDialog},
    {"2-tone", runTwoToneParamDialog, OptionUnit::k2Tone},
    {"2-tone table", runTwoToneTableDialog, OptionUnit::k2Tone},
    {"scan, dual watch at power-on", runScanDialog, 0, true},
    {"key function, dual watch at power-on", runKeyFunctionDialog, 0, true},
    {"channel type, bank B", runChannelTypeDialog, 0, false, 1},
    {"2-tone table, code 1 set", runTwoToneTableDialog, OptionUnit::k2Tone, false, 0, {0x00, 0x09}},
    // The second pair fits no standard group: the whole table shows tone numbers.
    {"2-tone table, user defined",
     runTwoToneTableDialog,
     OptionUnit::k2Tone,
     false,
     0,
     {0x00, 0x09, 0x00, 0x0A}},
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

// The state the document holds after a dialog: what OK handed back, encoded; else as before.
ImageState committed(const DialogOutcome& outcome, const ImageState& before) {
    if (!outcome.state)
        return before;
    ImageState after = *outcome.state;
    ImageCodec::encodeAll(after);
    return after;
}

DialogContext inMode(bool maintenance) {
    DialogContext ctx;
    ctx.maintenanceMode = maintenance;
    return ctx;
}

QString report(const ImageState& s) {
    CReportPrinter printer;
    printer.Prepare(s, "test.q7m");
    return QString::fromStdString(reportText(printer));
}

std::array<int, 2> pairAt(const ImageState& s, int k) {
    return {s.image[std::size_t(268 + 2 * k)], s.image[std::size_t(269 + 2 * k)]};
}

// The controls of a dialog that a user can reach, in id order.
QList<QWidget*> controlsOf(QDialog* d) {
    QList<QWidget*> controls;
    for (QWidget* w : d->findChildren<QWidget*>())
        if (w->property("controlId").toInt() > CSettingsDialog::kCancelId && !w->isHidden())
            controls << w;
    std::ranges::sort(controls, {}, [](QWidget* w) { return w->property("controlId").toInt(); });
    return controls;
}

// One dialog walked as a user would, written as lines of the golden file: the controls that
// are disabled in normal and in maintenance mode, and for every enabled control the bytes,
// offset, refresh hint and report lines that change after OK when a combo takes its last entry
// (its first when the last is shown) or an edit is typed "-150a#" and Enter. Cancel and Enter
// in any control must change nothing.
template <class Command> QStringList walk(const Command& c) {
    const auto stateOf = [&c] {
        ImageState s = test::stateWithCallCodes(c.unit);
        if (c.dualWatchAtPowerOn)
            s.image[65] |= 0x80;
        std::ranges::copy(c.codes, s.image.begin() + 268);
        return s;
    };
    FixedPrompter no;
    no.answer = Answer::No; // keeps the band
    QStringList lines;
    QList<int> enabled;
    for (bool maintenance : {false, true}) {
        ImageState state = stateOf();
        ImageCodec::encodeAll(state);
        QStringList disabled;
        bool stayedOpen = true;
        whenOpen([&](QDialog* d) {
            for (QWidget* w : controlsOf(d)) {
                const int id = w->property("controlId").toInt();
                if (!w->isEnabled()) {
                    disabled << QString::number(id);
                    continue;
                }
                if (maintenance && (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)))
                    enabled << id;
                if (w->focusPolicy() == Qt::NoFocus)
                    continue;
                w->setFocus();
                QTest::keyClick(w, Qt::Key_Return);
                QTest::keyClick(w, Qt::Key_Return); // closes an opened list, ends an edit
                stayedOpen = stayedOpen && d->isVisible();
            }
        });
        DialogContext ctx = inMode(maintenance);
        ctx.prompter = &no;
        ctx.currentBank = c.bank;
        const auto outcome = c.run(nullptr, state, ctx);
        if (!stayedOpen || outcome.accepted())
            lines << QStringLiteral("%1: Enter closed it or Cancel changed it").arg(c.name);
        lines << QStringLiteral("%1, %2 mode, disabled: %3")
                     .arg(c.name, maintenance ? "maintenance" : "normal", disabled.join(' '));
    }
    for (int id : enabled) {
        ImageState state = stateOf();
        const RadioImage before = state.image;
        ImageCodec::encodeAll(state); // as the document keeps it
        const QStringList reportBefore = report(state).split('\n');
        QString done;
        whenOpen([&](QDialog* d) {
            if (auto* combo = findControl<QComboBox>(d, id)) {
                const int entry =
                    combo->currentIndex() == combo->count() - 1 ? 0 : combo->count() - 1;
                chooseWithKeys(combo, entry);
                done = QStringLiteral("entry %1").arg(entry);
            } else {
                const QString was = findControl<QLineEdit>(d, id)->text();
                typeInto(d, id, QStringLiteral("-150a#"));
                done = QStringLiteral("\"%1\" typed, shows \"%2\"%3")
                           .arg(was, findControl<QLineEdit>(d, id)->text(),
                                d->isVisible() ? "" : ", closed by Enter");
            }
            clickOk(d);
        });
        DialogContext ctx = inMode(true);
        ctx.prompter = &no;
        ctx.currentBank = c.bank;
        const auto outcome = c.run(nullptr, state, ctx);
        // What the document would commit: the dialog's state, encoded; a change only when its
        // snapshot differs.
        const ImageState after = committed(outcome, state);
        const bool modified = !(DocumentSnapshot::of(after) == DocumentSnapshot::of(state));
        state = after;
        QString line = QStringLiteral("%1 %2 %3:").arg(c.name).arg(id).arg(done);
        int changed = 0;
        for (std::size_t i = 0; i < before.size(); ++i)
            if (state.image[i] != before[i] && ++changed <= 6)
                line += QString::asprintf(" %zu:%02X>%02X", i, before[i], state.image[i]);
        if (changed > 6)
            line += QStringLiteral(" and %1 more").arg(changed - 6);
        if (state.localOffset != stateOf().localOffset)
            line += QStringLiteral(" offset %1").arg(state.localOffset);
        if (outcome.refreshHint)
            line += QStringLiteral(" hint %1").arg(outcome.refreshHint);
        lines << line + (modified ? " modified" : "");
        for (const QString& text : report(state).split('\n'))
            if (!reportBefore.contains(text))
                lines << "    " + text.trimmed();
    }
    return lines;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Every dialog against tests/data/dialogs/walk.txt; MZ58_UPDATE_GOLDEN=1 rewrites it.
    void everyControlOfEveryDialog() {
        QStringList lines;
        for (const auto& command : kCommands)
            lines << walk(command);
        QFile file(QStringLiteral(MZ58_TEST_DATA_DIR "/dialogs/walk.txt"));
        if (qEnvironmentVariable("MZ58_UPDATE_GOLDEN") == "1") {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write((lines.join('\n') + '\n').toUtf8());
            return;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(lines, QString::fromUtf8(file.readAll()).trimmed().split('\n'));
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
            ImageState state = test::stateWithCallCodes();
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
            state = committed(outcome, state);
            QVERIFY2(prompter.asked == 1, r.name);
            QVERIFY2(saveOffers == (r.answerYes && r.documentModified ? 1 : 0), r.name);
            QVERIFY2(outcome.refreshHint == (r.changed ? 4 : 0), r.name);
            QVERIFY2(r.changed ? state.image[47] == 0x2B : state.image == vhfImage, r.name);
            QVERIFY2(state.localOffset == (r.changed ? 5.0 : 0.0), r.name);
            QVERIFY2(state.channels.entries[15].rxFrequency == (r.changed ? 45000000u : 15000000u),
                     r.name);
        }
    }

    // OK after typing a code back as it was changes no byte, so the document records nothing.
    void aniCodeTypedBackChangesNothing() {
        ImageState state = test::stateWithCallCodes();
        AniSettings ani;
        ani.decode(state.image);
        ani.code = "12A";
        ani.encode(state.image);
        ImageCodec::encodeAll(state);
        whenOpen([&](QDialog* d) {
            typeInto(d, 3004, QStringLiteral("12a"));
            clickOk(d);
        });
        const auto outcome = runAniDialog(nullptr, state, {});
        QVERIFY(outcome.accepted());
        QVERIFY(DocumentSnapshot::of(committed(outcome, state)) == DocumentSnapshot::of(state));
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

    // Bank B on show and the Bank B key given up: OK first announces the reset of the channel
    // table; Cancel there returns to the dialog with nothing written, OK resets; leaving the
    // dialog with Cancel, or keeping the Bank B key, resets nothing and asks nothing.
    void keyFunctionResetAskedFirst() {
        const struct {
            const char* name;
            int entry;       // the key function chosen
            bool okInDialog; // the dialog's own OK (else its Cancel)
            bool resets;     // the question appears and OK there resets
        } rows[] = {
            {"other key, OK", 1, true, true},
            {"other key, dialog cancelled", 1, false, false},
            {"Bank B kept, OK", AccessoryKeySetting::kBankB, true, false},
        };
        for (const auto& r : rows) {
            ImageState state = test::stateWithCallCodes(0);
            AccessoryKeySetting key;
            key.code = AccessoryKeySetting::kBankB;
            key.encode(state.image);
            state.channels.entries[10].channelType = 8;
            state.channels.entries[3].scanMember = 1;
            ImageCodec::encodeAll(state);
            RecordingPrompter prompter;
            DialogContext ctx;
            ctx.prompter = &prompter;
            ctx.currentBank = kBankB;
            bool stayedAfterCancel = false;
            whenOpen([&](QDialog* d) {
                chooseWithKeys(findControl<QComboBox>(d, 2250), r.entry);
                if (!r.okInDialog)
                    return; // cancelled by whenOpen
                prompter.answer = Answer::Cancel;
                clickOk(d);
                stayedAfterCancel = d->isVisible();
                prompter.answer = Answer::Ok;
                clickOk(d);
            });
            const auto outcome = runKeyFunctionDialog(nullptr, state, ctx);
            QVERIFY2(outcome.accepted() == r.okInDialog, r.name);
            QVERIFY2(prompter.calls.size() == (r.resets ? 2u : 0u), r.name);
            for (const auto& call : prompter.calls) {
                QCOMPARE(call.id, msg::kKeyFunctionResetsChannels);
                QVERIFY(call.buttons == Buttons::OkCancel);
            }
            QVERIFY2(stayedAfterCancel == r.resets, r.name);
            if (!r.okInDialog)
                continue;
            const ImageState& after = *outcome.state;
            QCOMPARE(outcome.currentBank, r.resets ? int(kBankA) : int(kBankB));
            QCOMPARE(after.channels.entries[10].channelType, r.resets ? 2 : 8);
            QCOMPARE(after.channels.entries[3].scanMember, r.resets ? 0 : 1);
        }
    }

    // "000" with ENC Only is refused and keeps the dialog open; then a code padded, one
    // emptied (its channels lose it).
    void pageCodesTypedAndCleared() {
        ImageState state = test::stateWithCallCodes(0);
        PageCodeTable table;
        table.entries[2].code = "300";
        table.encode(state.image);
        FixedPrompter prompter;
        DialogContext ctx;
        ctx.prompter = &prompter;
        whenOpen([&](QDialog* d) {
            typeInto(d, 3307, "000");
            clickOk(d);
            QVERIFY(d->isVisible());
            typeInto(d, 3307, "7");
            chooseWithKeys(findControl<QComboBox>(d, 3317), 1);
            typeInto(d, 3303, "");
            QVERIFY(!findControl<QComboBox>(d, 3313)->isEnabled());
            clickOk(d);
        });
        const auto outcome = runPagingCodeDialog(nullptr, state, ctx);
        state = committed(outcome, state);
        QCOMPARE(prompter.asked, 1);
        QCOMPARE(outcome.refreshHint, 1);
        QCOMPARE(pairAt(state, 6), (std::array{0x27, 0x00}));
        QCOMPARE(pairAt(state, 2), (std::array{0x00, 0x00}));
        for (const auto& channel : state.channels.entries)
            QCOMPARE(channel.callCode, 0);
        QVERIFY(report(state).contains("Page Code  7:     700 Dec"));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
