// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAccessGaugeDlg.h"
#include "LinkMessages.h"
#include "ProtocolFixtures.h"
#include "UiText.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace mz58;
using namespace mz58::test;

namespace {

constexpr int kTimeoutMs = 20000; // generous: the machine may be busy

// A radio on the in-memory line, driven by the worker thread only.
struct RadioOnTheLine {
    RadioOnTheLine() {
        radio.block = radioBlock(radioImage);
        radio.install();
    }
    // The radio stays off; every read of the silent line takes a little time, as a real one does.
    void switchedOff() {
        radio.startsOff = true;
        radio.timeoutsBeforePowerOn = link.maxTimeouts = 1'000'000;
        link.onIdle = [inner = link.onIdle] {
            inner();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        };
    }
    FakeSerialLink link;
    ScriptedRadio radio{link};
    RadioImage radioImage = radioImageWithAlignment();
};

enum Fault { NoFault, NoPort, BadChecksum };

} // namespace

class AccessGaugeTest : public QObject {
    Q_OBJECT

    // The informative text of the last message dismissed: what failed and what to do.
    static inline QString informative;

    // Waits for the transfer's closing message and dismisses it; returns its text.
    static QString dismissMessage() {
        QMessageBox* box = nullptr;
        if (!QTest::qWaitFor(
                [&] {
                    return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
                },
                kTimeoutMs))
            return "(no message)";
        const QString text = box->text();
        informative = box->informativeText();
        box->button(QMessageBox::Ok)->click();
        return text;
    }

private slots:
    void transferEndsAfterItsMessage() {
        const struct {
            bool upload;
            int fault;
            bool backup;
            int message;
            QString why; // the device, the reason and the hint under the message
        } rows[] = {
            {false, NoFault, false, msg::kWriteComplete, {}},
            {false, NoFault, true, msg::kWriteComplete, {}}, // download with backup
            {true, NoPort, false, msg::kSerialPortError, {}},
            {true, BadChecksum, false, msg::kReadError,
             "/dev/fake: the radio's data arrived damaged (checksum)\nCheck the cable at the "
             "radio and try again."}};
        for (const auto& [upload, fault, backup, message, why] : rows) {
            checkTransfer(upload, fault, backup, message);
            QCOMPARE(informative, why);
        }
    }

    void cancelDuringThePowerCycleWait() {
        for (const char* how : {"button", "esc", "close", "delete"})
            cancelBy(how);
    }

private:
    void checkTransfer(bool upload, int fault, bool backup, int message) {
        RadioOnTheLine line;
        line.link.refuseOpen = fault == NoPort;
        if (fault == BadChecksum)
            line.radio.block.back() ^= 0x01;
        const ImageState before = freshState();
        ImageState copy = before;
        QTemporaryDir backupDir;
        DownloadOptions options;
        if (backup)
            options.backupDirectory = backupDir.path().toStdString();
        CAccessGaugeDlg dialog(upload ? TransferMode::Upload : TransferMode::Download,
                               openerFor(line.link), copy, options);
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();

        const QString shown = dismissMessage();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
        QCOMPARE(finished[0][0].toInt(), fault == NoFault ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(dialog.result().message, message);
        QCOMPARE(dialog.windowTitle(), uiText(upload ? msg::kCaptionRead : msg::kCaptionWrite));
        QVERIFY(!line.link.open);
        // A successful download's message names the backup of the radio's previous memory.
        const auto backupFile = QString::fromStdString(dialog.result().backupFile.string());
        QVERIFY2(shown.startsWith(uiText(message)) && shown.contains(backupFile),
                 qPrintable(shown));
        QCOMPARE(shown == uiText(message), backupFile.isEmpty());
        QCOMPARE(QFileInfo::exists(backupFile), backup && fault == NoFault);
        if (upload || fault != NoFault) // a download takes the radio's alignment into the copy
            QVERIFY(copy.image == (fault == NoFault ? line.radioImage : before.image));
    }

    void cancelBy(const QString& how) {
        RadioOnTheLine line;
        line.switchedOff();
        const ImageState before = freshState();
        ImageState copy = before;
        auto* dialog = new CAccessGaugeDlg(TransferMode::Upload, openerFor(line.link), copy, {});
        QSignalSpy finished(dialog, &QDialog::finished);
        dialog->open();
        QTRY_COMPARE_WITH_TIMEOUT(dialog->findChild<QLabel*>()->text(),
                                  uiText(msg::kStatusPowerCycle), kTimeoutMs);
        QCOMPARE(dialog->findChild<QProgressBar*>()->maximum(), clone::kProgressRange);
        QTest::keyClick(dialog, Qt::Key_Return); // Enter does not end the dialog
        QVERIFY(dialog->isVisible());

        if (how == "button")
            dialog->findChild<QPushButton*>()->click();
        else if (how == "esc")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else if (how == "close")
            dialog->close();
        else
            delete std::exchange(dialog, nullptr);
        if (dialog) {
            QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
            QCOMPARE(finished[0][0].toInt(), int(QDialog::Rejected));
            QCOMPARE(dialog->result().outcome, TransferOutcome::Cancelled);
            QVERIFY(!dialog->isVisible());
            QVERIFY(!QApplication::activeModalWidget());
            delete dialog;
        }
        QVERIFY(!line.link.open);
        QVERIFY(copy.image == before.image);
    }
};

QTEST_MAIN(AccessGaugeTest)
#include "AccessGaugeTest.moc"
