#include "CAccessGaugeDlg.h"
#include "LinkMessages.h"
#include "ProtocolFixtures.h"
#include "UiText.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace mz58;
using namespace mz58::test;

namespace {

// Generous: the machine running the tests may be busy.
constexpr int kTimeoutMs = 20000;

// A radio on the in-memory line, driven by the worker thread only.
struct RadioOnTheLine {
    RadioOnTheLine() {
        radio.block = radioBlock(radioImage);
        radio.install();
    }
    // The radio stays off until the user gives up; every read of the silent line takes a
    // little time, as a real one does.
    void switchedOff() {
        radio.startsOff = true;
        radio.timeoutsBeforePowerOn = 1'000'000;
        link.maxTimeouts = 1'000'000;
        link.onIdle = [inner = link.onIdle] {
            inner();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        };
    }

    FakeSerialLink link;
    ScriptedRadio radio{link};
    RadioImage radioImage = radioImageWithAlignment();
};

// Waits for the transfer's message box and dismisses it; returns its text.
QString dismissMessage() {
    QMessageBox* box = nullptr;
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(
            (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) != nullptr,
            kTimeoutMs);
    }();
    if (!box)
        return {};
    const QString text = box->text();
    box->button(QMessageBox::Ok)->click();
    return text;
}

} // namespace

Q_DECLARE_METATYPE(TransferMode)

class AccessGaugeTest : public QObject {
    Q_OBJECT

private slots:
    void successfulTransferEndsWithAccepted_data() {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<int>("caption");
        QTest::addColumn<int>("message");
        QTest::addColumn<bool>("backup");
        QTest::newRow("upload") << TransferMode::Upload << msg::kCaptionRead << msg::kReadComplete
                                << false;
        QTest::newRow("download") << TransferMode::Download << msg::kCaptionWrite
                                  << msg::kWriteComplete << false;
        QTest::newRow("download with backup")
            << TransferMode::Download << msg::kCaptionWrite << msg::kWriteComplete << true;
    }

    void successfulTransferEndsWithAccepted() {
        QFETCH(TransferMode, mode);
        QFETCH(int, caption);
        QFETCH(int, message);
        QFETCH(bool, backup);
        RadioOnTheLine line;
        ImageState copy = freshState();
        QTemporaryDir backupDir;
        DownloadOptions options;
        if (backup)
            options.backupDirectory = backupDir.path().toStdString();
        CAccessGaugeDlg dialog(mode, openerFor(line.link), copy, options);
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();

        const QString shown = dismissMessage();
        QVERIFY2(shown.startsWith(uiText(message)), qPrintable(shown));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
        QVERIFY(dialog.result().succeeded());
        QCOMPARE(dialog.windowTitle(), uiText(caption));
        QCOMPARE(dialog.findChild<QProgressBar*>()->maximum(), clone::kProgressRange);
        QVERIFY(!line.link.open);
        // The success message names the backup of the radio's previous memory.
        const auto backupFile = QString::fromStdString(dialog.result().backupFile.string());
        QCOMPARE(backup, !backupFile.isEmpty());
        QCOMPARE(shown.contains(backupFile), true);
        QCOMPARE(shown == uiText(message), !backup);
        if (backup)
            QVERIFY(QFileInfo::exists(backupFile));
        if (mode == TransferMode::Upload) {
            QVERIFY(copy.image == line.radioImage);
        } else {
            // The radio's alignment data went into the copy that was sent.
            QVERIFY(std::equal(copy.image.begin() + clone::kAlignmentFirst,
                               copy.image.begin() + clone::kAlignmentLast + 1,
                               line.radioImage.begin() + clone::kAlignmentFirst));
            QCOMPARE(line.radio.pcBlock.size(), std::size_t(clone::kBlockLength + 3));
        }
    }

    void failedTransferShowsItsMessageAndEndsWithRejected_data() {
        QTest::addColumn<TransferMode>("mode");
        QTest::addColumn<int>("fault"); // 0 the port does not open, 1 a bad checksum
        QTest::addColumn<int>("message");
        QTest::newRow("upload, no port") << TransferMode::Upload << 0 << msg::kSerialPortError;
        QTest::newRow("upload, bad checksum") << TransferMode::Upload << 1 << msg::kReadError;
        QTest::newRow("download, bad checksum")
            << TransferMode::Download << 1 << msg::kRadioChecksumError;
    }

    void failedTransferShowsItsMessageAndEndsWithRejected() {
        QFETCH(TransferMode, mode);
        QFETCH(int, fault);
        QFETCH(int, message);
        RadioOnTheLine line;
        if (fault == 0)
            line.link.refuseOpen = true;
        else
            line.radio.block.back() ^= 0x01;
        const ImageState before = freshState();
        ImageState copy = before;
        CAccessGaugeDlg dialog(mode, openerFor(line.link), copy, {});
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();

        QCOMPARE(dismissMessage(), uiText(message));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QCOMPARE(dialog.result().outcome, TransferOutcome::Failed);
        QCOMPARE(dialog.result().message, message);
        QVERIFY(copy.image == before.image);
    }

    void cancelDuringThePowerCycleWait_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel button") << "button";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("window closed") << "close";
    }

    void cancelDuringThePowerCycleWait() {
        QFETCH(QString, how);
        RadioOnTheLine line;
        line.switchedOff();
        const ImageState before = freshState();
        ImageState copy = before;
        CAccessGaugeDlg dialog(TransferMode::Upload, openerFor(line.link), copy, {});
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.open();
        auto* status = dialog.findChild<QLabel*>();
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), uiText(msg::kStatusPowerCycle), kTimeoutMs);
        saveScreenshot(dialog);

        // Enter does not end the dialog.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.size(), 0);

        if (how == "button")
            dialog.findChild<QPushButton*>()->click();
        else if (how == "esc")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, kTimeoutMs);
        QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
        QCOMPARE(dialog.result().outcome, TransferOutcome::Cancelled);
        QVERIFY(!dialog.isVisible());
        QVERIFY(!line.link.open);
        QVERIFY(copy.image == before.image);
        QVERIFY(!qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
    }

    // A dialog that goes away with its parent stops the worker and waits for it.
    void destroyedDialogStopsTheWorker() {
        RadioOnTheLine line;
        line.switchedOff();
        ImageState copy = freshState();
        auto* dialog = new CAccessGaugeDlg(TransferMode::Download, openerFor(line.link), copy, {});
        dialog->open();
        auto* status = dialog->findChild<QLabel*>();
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), uiText(msg::kStatusPowerCycle), kTimeoutMs);
        delete dialog;
        QVERIFY(!line.link.open);
    }

private:
    // Not a check: the documentation's screenshot, when MZ58_SCREENSHOT_DIR is set.
    // An offscreen grab has no window frame: the caption is drawn above it as a title bar.
    static void saveScreenshot(QDialog& dialog) {
        const QString dir = qEnvironmentVariable("MZ58_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        const QPixmap content = dialog.grab();
        const int titleHeight = dialog.fontMetrics().height() + 10;
        QPixmap shot(content.width(), content.height() + titleHeight);
        QPainter painter(&shot);
        const QRect title(0, 0, shot.width(), titleHeight);
        painter.fillRect(title, dialog.palette().color(QPalette::Highlight));
        painter.setPen(dialog.palette().color(QPalette::HighlightedText));
        painter.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         dialog.windowTitle());
        painter.drawPixmap(0, titleHeight, content);
        painter.end();
        shot.save(dir + "/transfer.png");
    }
};

QTEST_MAIN(AccessGaugeTest)
#include "AccessGaugeTest.moc"
