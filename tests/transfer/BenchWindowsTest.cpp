// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMultiWriteDlg.h"
#include "CSerialPort.h"
#include "CWritePreviewDlg.h"
#include "LinkMessages.h"
#include "ModalScript.h"
#include "OtherDialogs.h"
#include "ProgrammingFile.h"
#include "ProtocolFixtures.h"
#include "RadioTransfers.h"
#include "ScanSettings.h"
#include "SimulatorProcess.h"
#include "UiText.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using namespace mz58;

namespace {

constexpr int kTimeoutMs = 30000; // generous: the machine may be busy

RadioImage fileImage(const QString& path) {
    QFile file(path);
    RadioImage image{};
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(kImageSize);
        std::copy(bytes.begin(), bytes.end(), image.begin());
    }
    return image;
}

QStringList rowTexts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

} // namespace

// The dealer's windows against the simulated radios of `mz58win --simulator`: the write
// preview, the comparison, the several-radio write and the cable test.
class BenchWindowsTest : public QObject {
    Q_OBJECT

    void startRadios(const QStringList& extra = {}) {
        m_radio = std::make_unique<SimulatorProcess>();
        QVERIFY2(m_radio->start(kVhf, QStringList{"--pace", "fast"} + extra),
                 qPrintable(m_radio->errorString()));
    }
    PortOpener opener() const {
        const std::string port = m_radio->portPath().toStdString();
        return [port] { return OpenRadioPort(port); };
    }
    DownloadOptions options() const {
        DownloadOptions o;
        o.backupDirectory = m_dir.filePath(QStringLiteral("backups")).toStdString();
        return o;
    }
    // The radios' own image as a file opens it, with channel 3 and a scan setting changed
    // unless `unchanged`.
    ImageState document(bool unchanged = false) {
        const QString path = m_dir.filePath(QStringLiteral("fresh.q7m"));
        ImageState state;
        if (!writeFreshImageFile(path.toStdString(), kVhf) ||
            !OpenProgrammingFile(path.toStdString(), state).ok())
            qFatal("cannot make the document");
        if (!unchanged) {
            state.channels.entries[2].rxFrequency = 14652500;
            state.channels.entries[2].txFrequency = 14652500;
            ScanSettings scan;
            scan.decode(state.image);
            scan.resumeTime1 = 5;
            scan.encode(state.image);
            ImageCodec::decodeAll(state);
            state.channels.entries[2].rxFrequency = 14652500;
            state.channels.entries[2].txFrequency = 14652500;
        }
        ImageCodec::encodeAll(state);
        return state;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SimulatorProcess> m_radio;

private slots:
    void cleanup() { m_radio.reset(); }

    // The preview groups what the write changes, radio value first; Write writes, Cancel not.
    void writePreviewShowsTheChangesAndWritesOnlyAfterWrite_data() {
        QTest::addColumn<bool>("write");
        QTest::newRow("write") << true;
        QTest::newRow("cancel") << false;
    }
    void writePreviewShowsTheChangesAndWritesOnlyAfterWrite() {
        QFETCH(bool, write);
        startRadios();
        ImageState working = document();
        QStringList groups;
        QList<QStringList> rows;
        bool hadDoNotShow = false;
        test::ModalScript script;
        script.on<CWritePreviewDlg>([&](CWritePreviewDlg* preview) {
            const QTreeWidget* tree = preview->differences();
            for (int g = 0; g < tree->topLevelItemCount(); ++g) {
                groups << tree->topLevelItem(g)->text(0);
                for (int r = 0; r < tree->topLevelItem(g)->childCount(); ++r)
                    rows << rowTexts(tree->topLevelItem(g)->child(r));
            }
            hadDoNotShow = preview->findChild<QCheckBox*>() != nullptr;
            if (write)
                QTest::mouseClick(preview->writeButton(), Qt::LeftButton);
            else
                QTest::keyClick(preview, Qt::Key_Escape);
        });
        if (write)
            script.answer(QMessageBox::Ok);
        const WriteFlowResult flow =
            writeToRadio(nullptr, opener(), working, options(), {}, QStringLiteral("plan.q7m"));

        QCOMPARE(groups, (QStringList{"Channels (2)", "Settings (1)"}));
        QCOMPARE(rows, (QList<QStringList>{{"Ch 3 Receive", "150.00000", "146.52500"},
                                           {"Ch 3 Transmit", "150.00000", "146.52500"},
                                           {"Scan Resume Time 1", "2 secs", "4 secs"}}));
        QVERIFY(hadDoNotShow);
        QCOMPARE(flow.writeStarted, write);
        if (!write) {
            QCOMPARE(flow.outcome, WriteFlowResult::Outcome::Cancelled);
            QVERIFY(!QFile::exists(m_radio->memoryFile(1)));
            return;
        }
        QCOMPARE(flow.outcome, WriteFlowResult::Outcome::Written);
        QVERIFY(script.texts.front().startsWith(uiText(msg::kWriteComplete)));
        // The radio holds the plan with its own serial number.
        QTRY_COMPARE(fileImage(m_radio->memoryFile(1)), working.image);
        QCOMPARE(working.serialNumber.digits, std::string("100001"));
    }

    // Nothing to change: the write goes ahead at once, or stops when the user prefers that.
    void unchangedRadioIsSaidSo_data() {
        QTest::addColumn<bool>("writeWhenUnchanged");
        QTest::newRow("writes at once") << true;
        QTest::newRow("stops") << false;
    }
    void unchangedRadioIsSaidSo() {
        QFETCH(bool, writeWhenUnchanged);
        startRadios();
        ImageState working = document(true);
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        WriteSettings settings;
        settings.writeWhenUnchanged = writeWhenUnchanged;
        const WriteFlowResult flow =
            writeToRadio(nullptr, opener(), working, options(), settings, QStringLiteral("x"));
        QCOMPARE(script.texts.size(), 1);
        QCOMPARE(script.texts.front().startsWith(uiText(msg::kWriteComplete)), writeWhenUnchanged);
        QCOMPARE(flow.outcome, writeWhenUnchanged ? WriteFlowResult::Outcome::Written
                                                  : WriteFlowResult::Outcome::Unchanged);
        QCOMPARE(QFile::exists(m_radio->memoryFile(1)), writeWhenUnchanged);
    }

    // The radio on the cable is swapped while the preview is open: the write sends nothing.
    void writeRefusesAnotherRadioThanPreviewed() {
        test::FakeSerialLink link;
        test::ScriptedRadio radio(link);
        const RadioImage first = test::radioImageWithAlignment();
        radio.block = test::radioBlock(first);
        radio.install();
        RadioImage second = first;
        second[351] = 0x57;
        ImageState working = test::freshState();
        test::ModalScript script;
        script.on<CWritePreviewDlg>([&](CWritePreviewDlg* preview) {
            radio.block = test::radioBlock(second);
            QTest::mouseClick(preview->writeButton(), Qt::LeftButton);
        });
        script.answer(QMessageBox::Ok);
        const WriteFlowResult flow =
            writeToRadio(nullptr, test::openerFor(link), working, {}, {}, QStringLiteral("x"));
        QCOMPARE(flow.outcome, WriteFlowResult::Outcome::Failed);
        QCOMPARE(flow.transfer.message, msg::kNotPreviewedRadio);
        QCOMPARE(script.texts, QStringList{uiText(msg::kNotPreviewedRadio)});
        QVERIFY(radio.pcBlock.empty());
    }

    void compareShowsTheDifferencesAndWritesNothing() {
        startRadios();
        const ImageState plan = document();
        QStringList headers;
        QList<QStringList> rows;
        bool offersWrite = true;
        test::ModalScript script;
        script.on<CWritePreviewDlg>([&](CWritePreviewDlg* window) {
            const QTreeWidget* tree = window->differences();
            for (int c = 0; c < tree->columnCount(); ++c)
                headers << tree->headerItem()->text(c);
            rows << rowTexts(tree->topLevelItem(0)->child(0));
            offersWrite = window->writeButton() != nullptr;
            window->reject();
        });
        compareWithRadio(nullptr, opener(), plan, false, QStringLiteral("plan.q7m"));
        QCOMPARE(headers, (QStringList{"What", "In the radio", "In the file"}));
        QVERIFY2(rows.front().at(0).startsWith("Ch 3"), qPrintable(rows.front().join('|')));
        QVERIFY(!offersWrite);
        QTest::qWait(100);
        QVERIFY(!QFile::exists(m_radio->memoryFile(1)));
    }

    // Three radios, the second refuses the file: the run goes on, each line says what became
    // of its radio and the log holds a line each.
    void severalRadiosGoOnAfterAFailedOne() {
        startRadios({"--power-on-after", "300", "--fault", "nak@2"});
        const QString log = m_dir.filePath(QStringLiteral("bench.csv"));
        CMultiWriteDlg dialog(opener(), document(), QStringLiteral("plan.q7m"), options(), 3, log);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.findChildren<QPushButton*>().at(1), Qt::LeftButton); // Start
        QVERIFY(dialog.running());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.running(), kTimeoutMs);

        QListWidget* list = dialog.radioList();
        QCOMPARE(list->count(), 3);
        QVERIFY(list->item(0)->text().startsWith("Radio 1 of 3: written, serial 100001, backup "));
        QVERIFY2(list->item(1)->text().startsWith("Radio 2 of 3 (serial 100002): failed: "),
                 qPrintable(list->item(1)->text()));
        QVERIFY(list->item(2)->text().startsWith("Radio 3 of 3: written, serial 100003"));
        QVERIFY2(dialog.summaryText().startsWith("2 of 3 radios written, 1 failed."),
                 qPrintable(dialog.summaryText()));
        QFile csv(log);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll().count('\n'), 4);
        QVERIFY(QFile::exists(m_radio->memoryFile(1)));
        QVERIFY(!QFile::exists(m_radio->memoryFile(2)));
        QVERIFY(QFile::exists(m_radio->memoryFile(3)));
    }

    void comPortDialogTestsTheCable() {
        startRadios();
        const QString port = m_radio->portPath();
        const struct {
            QString device;
            QString text;
        } rows[] = {{port, "cable OK: echo on " + port},
                    {m_dir.filePath("ttyNone"), uiText(msg::kCableNoPort)}};
        for (const auto& row : rows) {
            ComPortMap ports;
            ports.devices[0] = row.device.toStdString();
            CComPortDlg dialog(1, ports, nullptr);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto* button = dialog.findChildren<QPushButton*>().last();
            QCOMPARE(button->text(), QStringLiteral("&Test cable"));
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.cableTestRunning(), kTimeoutMs);
            QVERIFY2(dialog.cableTestText().startsWith(row.text),
                     qPrintable(dialog.cableTestText()));
        }
    }
};

QTEST_MAIN(BenchWindowsTest)
#include "BenchWindowsTest.moc"
