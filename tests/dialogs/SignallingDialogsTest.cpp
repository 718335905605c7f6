#include "SignallingDialogs.h"
#include "CSignallingDlgs.h"
#include "ControlId.h"
#include "DeviceOptions.h"
#include "DialogScript.h"
#include "ReportOutput.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mz58;
using namespace mz58::test;

namespace {

using Runner = DialogOutcome (*)(QWidget*, ImageState&, const DialogContext&);
// The Signalling menu's commands in menu order.
const Runner kCommands[] = {runAniDialog, runDtmfDialog, runPagingCodeDialog, runTwoToneParamDialog,
                            runTwoToneTableDialog};
enum { Ani, Dtmf, Paging, TwoTone, ToneTable };

struct CountingPrompter : Prompter {
    int asked = 0;
    Answer ask(StringId, std::span<const std::string>, Buttons, Icon) override {
        ++asked;
        return Answer::Ok;
    }
};

// A fresh image with the option unit `unit`, the DTMF board fitted unless `dtmfAbsent`, and
// channels 1, 6 and 10 using call code 3.
ImageState stateFor(int unit, bool dtmfAbsent = false) {
    ImageState s;
    ImageCodec::resetAll(s);
    DeviceOptions options;
    options.decode(s.image);
    options.dtmfAbsent = dtmfAbsent;
    options.encode(s.image);
    s.optionUnit.type = unit;
    s.optionUnit.encode(s.image);
    for (std::size_t k : {0u, 5u, 9u})
        s.channels.entries[k].callCode = 3;
    ImageCodec::encodeAll(s);
    writeEmptyCallCodes(s.image, unit);
    return s;
}

QString report(const ImageState& s) {
    CReportPrinter printer;
    printer.Prepare(s, "test.q7m");
    return QString::fromStdString(reportText(printer));
}

std::array<int, 2> pairAt(const ImageState& s, int k) {
    return {s.image[std::size_t(268 + 2 * k)], s.image[std::size_t(269 + 2 * k)]};
}

} // namespace

class SignallingDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void comboWritesItsFieldOnOkOnly() {
        const struct {
            int command, control, entry, byte, mask, value;
            const char* reported;
        } rows[] = {
            {Ani, 3001, 1, 65, 0x10, 0x10, "ANI Transmit:     PTT Released"},
            {Ani, 3002, 3, 65, 0x0C, 0x0C, "ANI Delay:        500 msec"},
            {Dtmf, 3101, 1, 267, 0x10, 0x10, "DTMF Speed:       100 msec"},
            {Dtmf, 3102, 1, 267, 0x80, 0x80, "Answer Back:      On"},
            {TwoTone, 3403, 3, 267, 0x03, 0x03, "Call times:       5 times"},
            {TwoTone, 3402, 2, 267, 0x0C, 0x08, ""}, // group call 2nd
        };
        for (const auto& r : rows) {
            for (bool ok : {false, true}) {
                ImageState state = stateFor(r.command == TwoTone ? OptionUnit::k2Tone : 0);
                const RadioImage before = state.image;
                whenOpen([&](QDialog* d) {
                    chooseWithKeys(findControl<QComboBox>(d, r.control), r.entry);
                    if (ok)
                        clickOk(d);
                });
                const auto outcome = kCommands[r.command](nullptr, state, {});
                const QByteArray row = QByteArray::number(r.control);
                QVERIFY2(outcome.accepted == ok && outcome.modified == ok, row);
                if (!ok)
                    QVERIFY2(state.image == before, row);
                else
                    QVERIFY2((state.image[std::size_t(r.byte)] & r.mask) == r.value &&
                                 report(state).contains(r.reported) &&
                                 !state.twoToneUserDefined, // the format is left alone
                             row);
            }
        }
    }

    // Enter ends the edit but never closes the dialog; OK writes the code.
    void aniCodeTypedWithKeys() {
        ImageState state = stateFor(0);
        bool openAfterEnter = false;
        whenOpen([&](QDialog* d) {
            typeInto(d, 3004, "12a#");
            openAfterEnter = d->isVisible();
            clickOk(d);
        });
        QVERIFY(runAniDialog(nullptr, state, {}).accepted);
        QVERIFY(openAfterEnter);
        QCOMPARE((std::array{state.image[66], state.image[67], state.image[68]}),
                 (std::array<std::uint8_t, 3>{0x41, 0x2A, 0xF0}));
        QVERIFY(report(state).contains("ANI Code:                    12A#"));
    }

    // "000" with ENC Only is refused and keeps the dialog open; then a code padded, one
    // emptied (its channels lose it).
    void pageCodesTypedAndCleared() {
        ImageState state = stateFor(0);
        PageCodeTable table;
        table.entries[2].code = "300";
        table.encode(state.image);
        CountingPrompter prompter;
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
        QCOMPARE(prompter.asked, 1);
        QCOMPARE(outcome.refreshHint, 1);
        QCOMPARE(pairAt(state, 6), (std::array{0x27, 0x00}));
        QCOMPARE(pairAt(state, 2), (std::array{0x00, 0x00}));
        for (const auto& channel : state.channels.entries)
            QCOMPARE(channel.callCode, 0);
        QVERIFY(report(state).contains("Page Code  7:     700 Dec"));
    }

    void standardRowChosenWithKeys() {
        ImageState state = stateFor(OptionUnit::k2Tone);
        whenOpen([&](QDialog* d) {
            chooseWithKeys(findControl<QComboBox>(d, 3506), 18);
            chooseWithKeys(findControl<QComboBox>(d, 3507), 2);
            chooseWithKeys(findControl<QComboBox>(d, 3508), 3);
            clickOk(d);
        });
        QCOMPARE(runTwoToneTableDialog(nullptr, state, {}).refreshHint, 1);
        QCOMPARE(pairAt(state, 1), (std::array{0xE8, 0xE9}));
        QVERIFY(report(state).contains("REACH GRP E    750.0    725.0"));
    }

    // A pair that fits no standard group switches the whole table to tone numbers: the entry
    // read before it keeps its bytes.
    void userDefinedTable() {
        ImageState state = stateFor(OptionUnit::k2Tone);
        const std::uint8_t stored[] = {0x00, 0x09, 0x00, 0x0A};
        std::copy(std::begin(stored), std::end(stored), state.image.begin() + 268);
        QStringList shown;
        whenOpen([&](QDialog* d) {
            shown << findControl<QComboBox>(d, 3506)->currentText()
                  << findControl<QLineEdit>(d, 3509)->text()
                  << findControl<QLineEdit>(d, 3510)->text();
            typeInto(d, 3509, "999");
            shown << findControl<QLineEdit>(d, 3509)->text();
            auto* group = findControl<QComboBox>(d, 3516);
            group->setFocus();
            QTest::keyClick(group, Qt::Key_Down);
            shown << findControl<QLineEdit>(d, 3519)->text();
            clickOk(d);
        });
        QVERIFY(runTwoToneTableDialog(nullptr, state, {}).accepted);
        QCOMPARE(shown, (QStringList{"USER", "000", "010", "240", "045"}));
        QCOMPARE(pairAt(state, 0), (std::array{0x00, 0x09}));
        QCOMPARE(pairAt(state, 1), (std::array{240, 0x0A}));
        QCOMPARE(pairAt(state, 3), (std::array{45, 45}));
        QVERIFY(report(state).contains("User Defined     240       10"));
    }
};

QTEST_MAIN(SignallingDialogsTest)
#include "SignallingDialogsTest.moc"
