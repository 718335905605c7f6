#include "SettingsDialogs.h"
#include "CFieldEdit.h"
#include "CSettingsDialog.h"
#include "ControlId.h"
#include "OtherDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace mz58;

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

// Runs `interact` on the modal dialog once it is open; `finish` then closes it.
void whenOpen(std::function<void(QDialog*)> interact) {
    QTimer::singleShot(0, [interact] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        interact(dialog);
        if (dialog->isVisible())
            dialog->reject(); // a failed interaction never leaves the test hanging
    });
}

// Picks entry `entry` of a combo with the keyboard (each key is a user choice).
void chooseWithKeys(QComboBox* combo, int entry) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < entry; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void clickOk(QDialog* dialog) {
    auto* ok = findControl<QPushButton>(dialog, CSettingsDialog::kOkId);
    QTest::mouseClick(ok, Qt::LeftButton);
}

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
    void comboWritesItsByteOnOkOnly_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("control");
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("value");
        QTest::newRow("squelch release 300 msec") << 0 << 2009 << 30 << 50 << 0x3F << 60;
        QTest::newRow("squelch attack 70 msec") << 0 << 2010 << 7 << 51 << 0xF0 << 0xE0;
        QTest::newRow("DCS transmit inverted") << 0 << 2013 << 1 << 50 << 0x40 << 0x40;
        QTest::newRow("dual watch 3000 msecs") << 1 << 2101 << 10 << 61 << 0x0F << 10;
        QTest::newRow("priority beep Disabled") << 1 << 2108 << 1 << 64 << 0x02 << 0x02;
        QTest::newRow("bank B priority None") << 1 << 2105 << 8 << 41 << 0xFF << 8;
        QTest::newRow("auto power-off 8 Hrs") << 2 << 2156 << 3 << 63 << 0xC0 << 0xC0;
        QTest::newRow("transmit timer 7 Mins") << 2 << 2153 << 7 << 62 << 0xE0 << 0xE0;
        QTest::newRow("QM-Trunk") << 3 << 2052 << 3 << 26 << 0x7C << 0x28;
        QTest::newRow("encryption board Yes") << 3 << 2050 << 0 << 26 << 0x01 << 0x00;
        QTest::newRow("key Talk Around") << 4 << 2250 << 4 << 64 << 0xF0 << 0x40;
        QTest::newRow("lamp Disabled") << 6 << 2503 << 1 << 61 << 0x80 << 0x80;
        QTest::newRow("power-on dual watch") << 6 << 2500 << 1 << 65 << 0x80 << 0x80;
    }
    void comboWritesItsByteOnOkOnly() {
        QFETCH(int, command);
        QFETCH(int, control);
        QFETCH(int, entry);
        QFETCH(int, byte);
        QFETCH(int, mask);
        QFETCH(int, value);
        const DialogContext ctx = inMode(true);
        for (bool ok : {false, true}) {
            ImageState state = freshState();
            ImageCodec::encodeAll(state);
            const RadioImage before = state.image;
            whenOpen([&](QDialog* d) {
                chooseWithKeys(findControl<QComboBox>(d, control), entry);
                if (ok)
                    clickOk(d);
            });
            const auto outcome = kCommands[command].run(nullptr, state, ctx);
            QCOMPARE(outcome.accepted, ok);
            if (ok)
                QCOMPARE(state.image[static_cast<std::size_t>(byte)] & mask, value);
            else
                QVERIFY(state.image == before); // Cancel changes no byte
        }
    }

    void maintenanceEnablesControls_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<int>>("controls");
        QTest::newRow("hardware") << 0 << QList<int>{2005, 2000, 2006, 2008, 2009,
                                                     2010, 2011, 2012, 2013};
        QTest::newRow("options") << 3 << QList<int>{2050, 2051, 2052};
        QTest::newRow("market number") << 5 << QList<int>{2400};
    }
    void maintenanceEnablesControls() {
        QFETCH(int, command);
        QFETCH(QList<int>, controls);
        for (bool maintenance : {true, false}) {
            ImageState state = freshState();
            QList<bool> enabled;
            whenOpen([&](QDialog* d) {
                for (int id : controls)
                    enabled << findControl<QWidget>(d, id)->isEnabled();
                QVERIFY(!findControl<QWidget>(d, 2001) ||
                        !findControl<QWidget>(d, 2001)->isEnabled());
            });
            kCommands[command].run(nullptr, state, inMode(maintenance));
            QCOMPARE(enabled, QList<bool>(controls.size(), maintenance));
        }
    }

    void enterNeverClosesADialog_data() {
        QTest::addColumn<int>("command");
        for (int c = 0; c < int(std::size(kCommands)); ++c)
            QTest::newRow(kCommands[c].name) << c;
    }
    void enterNeverClosesADialog() {
        QFETCH(int, command);
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
        const auto outcome = kCommands[command].run(nullptr, state, inMode(true));
        QVERIFY(pressed > 0);
        QVERIFY(stayedOpen);
        QVERIFY(!outcome.accepted);
    }

    void bandChange_data() {
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("documentModified");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("changed");
        QTest::newRow("yes") << true << false << false << true;
        QTest::newRow("no") << false << false << false << false;
        QTest::newRow("unsaved, saved first") << true << true << true << true;
        QTest::newRow("unsaved, save cancelled") << true << true << false << false;
    }
    void bandChange() {
        QFETCH(bool, answerYes);
        QFETCH(bool, documentModified);
        QFETCH(bool, saved);
        QFETCH(bool, changed);
        ImageState state = freshState();
        const RadioImage vhfImage = state.image;
        FixedPrompter prompter;
        prompter.answer = answerYes ? Answer::Yes : Answer::No;
        int saveOffers = 0;
        DialogContext ctx{.maintenanceMode = true,
                          .documentModified = documentModified,
                          .prompter = &prompter,
                          .saveChangesFirst = [&] {
                              ++saveOffers;
                              return saved;
                          }};
        whenOpen([&](QDialog* d) {
            chooseWithKeys(findControl<QComboBox>(d, 2005), 1);
            clickOk(d);
        });
        const auto outcome = runHardwareDialog(nullptr, state, ctx);
        QCOMPARE(prompter.asked, 1);
        QCOMPARE(saveOffers, answerYes && documentModified ? 1 : 0);
        QCOMPARE(outcome.refreshHint, changed ? 4 : 0);
        if (changed)
            QCOMPARE(state.image[47], std::uint8_t(0x2B));
        else
            QCOMPARE(state.image, vhfImage);
        QCOMPARE(state.localOffset, changed ? 5.0 : 0.0);
        QCOMPARE(state.channels.entries[15].rxFrequency, changed ? 45000000u : 15000000u);
    }

    void typedValues_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("reference limited by the divider") << 0 << 2000 << "99.99"
                                                          << "40.00MHz";
        QTest::newRow("serial padded") << 5 << 2400 << "12"
                                       << "120000";
        QTest::newRow("offset limited") << 6 << 2520 << "-150"
                                        << "-99.9 MHz";
    }
    void typedValues() {
        QFETCH(int, command);
        QFETCH(int, control);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ImageState state = freshState();
        QString text;
        whenOpen([&](QDialog* d) {
            auto* edit = findControl<CFieldEdit>(d, control);
            edit->setFocus();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Return);
            text = edit->text();
            QVERIFY(d->isVisible());
            clickOk(d);
        });
        kCommands[command].run(nullptr, state, inMode(true));
        QCOMPARE(text, shown);
        if (control == 2400)
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(&state.image[349]), 3),
                     QByteArray("\x12\x00\x00", 3));
        if (control == 2520)
            QCOMPARE(state.localOffset, -99.9);
        if (control == 2000)
            QCOMPARE(state.hardware.reference, 40.0);
    }

    void listsFollowPowerOnDualWatch_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("dualWatch");
        QTest::addColumn<int>("count");
        QTest::newRow("priority with") << 1 << 2104 << true << 8;
        QTest::newRow("priority without") << 1 << 2105 << false << 9;
        QTest::newRow("key with") << 4 << 2250 << true << 8;
        QTest::newRow("key without") << 4 << 2250 << false << 9;
    }
    void listsFollowPowerOnDualWatch() {
        QFETCH(int, command);
        QFETCH(int, control);
        QFETCH(bool, dualWatch);
        QFETCH(int, count);
        ImageState state = freshState();
        state.image[65] = dualWatch ? 0x80 : 0x00;
        int shown = -1;
        whenOpen([&](QDialog* d) { shown = findControl<QComboBox>(d, control)->count(); });
        kCommands[command].run(nullptr, state, inMode(false));
        QCOMPARE(shown, count);
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

    // With MZ58_SCREENSHOT_DIR set, saves a picture of every dialog (for the documentation).
    void screenshots() {
        const QString dir = qEnvironmentVariable("MZ58_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("MZ58_SCREENSHOT_DIR not set");
        const char* files[] = {"hardware",     "scan",          "power-save",      "options",
                               "key-function", "market-number", "other-functions", "channel-type"};
        auto grabTo = [&](const QString& name) {
            whenOpen([=](QDialog* d) {
                for (QWidget* w : d->findChildren<QWidget*>()) {
                    if (w->property("controlId").toInt() > 1000 && w->isEnabled() &&
                        w->focusPolicy() != Qt::NoFocus) {
                        w->setFocus();
                        break;
                    }
                }
                QApplication::processEvents();
                d->grab().save(QDir(dir).filePath(name + ".png"));
            });
        };
        for (int c = 0; c < int(std::size(kCommands)); ++c) {
            ImageState state = freshState();
            grabTo(files[c]);
            kCommands[c].run(nullptr, state, inMode(true));
        }
        ComPortMap ports;
        int port = 1;
        grabTo("com-port");
        runComPortDialog(nullptr, port, ports);
        std::array<int, kColumnGroupCount> flags{};
        flags.fill(1);
        grabTo("column-display");
        runColumnDisplayDialog(nullptr, flags);
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
