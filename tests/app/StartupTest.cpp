// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58App.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "CPasswordDlg.h"
#include "ImageCodec.h"
#include "ModalScript.h"
#include "ProgrammingFile.h"
#include "Recovery.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace mz58;

class StartupTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMZ58App> makeApp(const QStringList& arguments = {}) {
        CMZ58App::Options options;
        options.arguments = arguments;
        options.imageDir = m_dir->path().toStdString();
        options.instanceName = instanceName();
        options.recoveryDir = m_dir->filePath(QStringLiteral("recovery"));
        return std::make_unique<CMZ58App>(options);
    }
    QString instanceName() const {
        return QStringLiteral("mz58-startup-test-%1").arg(QCoreApplication::applicationPid());
    }
    QString iniPath() const { return m_dir->filePath(QStringLiteral("MZ58Win.ini")); }
    void writeIni(const QString& text) {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir->path());
    }
    void cleanup() {
        QDir::setCurrent(m_previousDir);
        m_dir.reset();
    }

    void freshStartWritesTheDefaults() {
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QVERIFY(app->mainFrame()->windowTitle().startsWith(QStringLiteral("<none>[*] - ")));
        QCOMPARE(app->document()->fileName(), std::string("<none>"));
        QCOMPARE(QFileInfo(m_dir->filePath(QStringLiteral("Vhfdef.q7m"))).size(), 520);

        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value("Initialize/COM_PORT").toString(), QStringLiteral("1"));
        for (int g = 0; g < 15; ++g)
            QCOMPARE(ini.value(QStringLiteral("ITEM/ITEM%1").arg(g)).toString(),
                     g == 14 ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(ini.value("Ports/COM1").toString(), QStringLiteral("/dev/ttyUSB0"));
    }

    void configurationIsMadeValid_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QSize>("size");
        QTest::newRow("COM7 becomes COM1") << "[Initialize]\nCOM_PORT=7\n" << 1 << QSize(640, 410);
        QTest::newRow("500 x 300 is raised") << "[Initialize]\nCX=500\nCY=300\n"
                                             << 1 << QSize(640, 410);
        QTest::newRow("800 x 600 kept") << "[Initialize]\nCX=800\nCY=600\n" << 1 << QSize(800, 600);
    }
    void configurationIsMadeValid() {
        QFETCH(QString, ini);
        QFETCH(int, comPort);
        QFETCH(QSize, size);
        writeIni(ini);
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QCOMPARE(app->context().config.comPort, comPort);
        QCOMPARE(app->mainFrame()->size(), size);
        QSettings written(iniPath(), QSettings::IniFormat);
        QCOMPARE(written.value("Initialize/COM_PORT").toInt(), comPort);
    }

    void maintenanceNeedsTheSwitchAndThePassword_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("typed"); // empty: no dialog expected; "<esc>": cancelled
        QTest::addColumn<bool>("maintenance");
        QTest::newRow("-M and the password") << QStringList{"-M"} << "tomba-rikel" << true;
        QTest::newRow("wrong password") << QStringList{"-m"} << "tomba" << false;
        QTest::newRow("cancelled") << QStringList{"/M"} << "<esc>" << false;
        QTest::newRow("-M with more") << QStringList{"-M", "x.q7m"} << "" << false;
    }
    void maintenanceNeedsTheSwitchAndThePassword() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, typed);
        QFETCH(bool, maintenance);
        test::ModalScript script;
        bool asked = false;
        if (!typed.isEmpty())
            script.on<CPasswordDlg>([&](CPasswordDlg* dialog) {
                asked = true;
                if (typed == "<esc>") {
                    QTest::keyClick(dialog, Qt::Key_Escape);
                    return;
                }
                auto* edit = dialog->findChild<QLineEdit*>();
                QCOMPARE(edit->echoMode(), QLineEdit::Password);
                QTest::keyClicks(edit, typed);
                QTest::keyClick(edit, Qt::Key_Return);
            });
        // "x.q7m" names a file that is not there: its message is answered.
        script.answer(QMessageBox::Ok);
        auto app = makeApp(arguments);
        QVERIFY(app->InitInstance());
        QCOMPARE(asked, !typed.isEmpty());
        QCOMPARE(app->context().maintenance, maintenance);
        QCOMPARE(app->mainFrame()->windowTitle().endsWith(QStringLiteral("(M)")), maintenance);
    }

    void commandLineFileIsCheckedLikeOpen() {
        QFile bad(m_dir->filePath(QStringLiteral("bad.q7m")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(QByteArray(519, '\x11'));
        bad.close();
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        auto app = makeApp({bad.fileName()});
        QVERIFY(app->InitInstance());
        QTRY_VERIFY(script.done());
        QCOMPARE(script.texts.value(0), QStringLiteral("文件无法打开.\n文件格式错误或不支持"));
        QCOMPARE(app->document()->fileName(), std::string("<none>"));
    }

    // A file with values the radio cannot use opens as it is, with one box that names them.
    void unusableValuesAreNamedInOneBox() {
        QByteArray bytes(520, '\0');
        {
            ImageState uhf;
            ImageCodec::makeNewImage(uhf, kUhf);
            std::copy(uhf.image.begin(), uhf.image.end(), bytes.begin());
        }
        for (int channel : {11, 13}) {
            const int record = int(kFirstRecord + kChannelRecordSize * channel);
            bytes[record + 1] = char(bytes[record + 1] | 0x80);
            bytes[record + 6] = char(0xFE);
            bytes[record + 7] = char(0xE4);
        }
        const QString path = m_dir->filePath(QStringLiteral("odd.q7m"));
        QFile odd(path);
        QVERIFY(odd.open(QIODevice::WriteOnly));
        odd.write(bytes);
        odd.close();
        test::ModalScript script;
        script.answer(QMessageBox::Ok);
        auto app = makeApp({path});
        QVERIFY(app->InitInstance());
        QTRY_VERIFY(script.done());
        QCOMPARE(script.texts.size(), 1);
        QVERIFY2(script.texts[0].endsWith(QStringLiteral(
                     ":\n\nCh 12 Receive: 1269.20000 MHz is outside 400\u2013512 MHz\n"
                     "Ch 14 Receive: 1269.20000 MHz is outside 400\u2013512 MHz")),
                 qPrintable(script.texts[0]));
        QCOMPARE(app->document()->fileName(), path.toStdString());
        QVERIFY(!app->document()->IsModified());
        QCOMPARE(
            QByteArray(reinterpret_cast<const char*>(app->document()->state().image.data()), 512),
            bytes.left(512));
    }

    void simulatorSwitchLeadsComOneToTheSimulatedRadio() {
        auto app = makeApp({QStringLiteral("--simulator")});
        QVERIFY(app->InitInstance());
        QVERIFY(app->context().simulated);
        QVERIFY(QFileInfo::exists(QString::fromStdString(app->context().simulatorPort)));
        QVERIFY(app->mainFrame()->windowTitle().contains(QStringLiteral("模拟电台")));
        QVERIFY(!app->context().maintenance);
    }

    // Changes kept by an ending without a user: the next start names when they were kept; Yes
    // opens their file with the changes applied and unsaved, No discards them.
    void recoveredChangesAreOffered_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void recoveredChangesAreOffered() {
        QFETCH(bool, yes);
        const QString path = m_dir->filePath(QStringLiteral("work.q7m"));
        ImageState state;
        ImageCodec::makeNewImage(state, kVhf);
        QVERIFY(WriteProgrammingFile(path.toStdString(), state.image, 0.0).ok());
        state.channels.entries[2].scanMember ^= 1;
        ImageCodec::encodeAll(state);
        const QString folder = m_dir->filePath(QStringLiteral("recovery"));
        QVERIFY(recovery::write(folder, state, path.toStdString(),
                                QDateTime(QDate(2026, 12, 7), QTime(10, 41, 5))));
        test::ModalScript script;
        script.answer(yes ? QMessageBox::Yes : QMessageBox::No);
        auto app = makeApp();
        QVERIFY(app->InitInstance());
        QTRY_VERIFY(script.done());
        QCOMPARE(
            script.texts.value(0),
            QStringLiteral("Unsaved changes from 2026-12-07 10:41 were recovered. Open them?"));
        QVERIFY(!recovery::newest(folder));
        QCOMPARE(app->document()->IsModified(), yes);
        QCOMPARE(app->document()->fileName() == path.toStdString(), yes);
        QCOMPARE(app->document()->state().image == state.image, yes);
    }

    void secondInstanceExitsAndRaisesTheFirst() {
        auto first = makeApp();
        QVERIFY(first->InitInstance());
        QSignalSpy raised(first->singleInstance(), &SingleInstance::activationRequested);
        auto second = makeApp();
        QVERIFY(!second->InitInstance());
        QVERIFY(!second->mainFrame());
        QTRY_COMPARE(raised.count(), 1);
    }

    // What a later start (or any other program) sends, in pieces as the system may deliver it.
    void messagesCountOnlyWhenWholeAndOurs_data() {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<int>("activations");
        QTest::addColumn<QString>("file");
        const QByteArray path = QByteArrayLiteral("/tmp/a b\n.q7m").toBase64();
        QTest::newRow("whole") << QByteArrayList{"activate\n"} << 1 << QString();
        QTest::newRow("in pieces") << QByteArrayList{"acti", "vate\n"} << 1 << QString();
        QTest::newRow("a file") << QByteArrayList{"open " + path.left(3), path.mid(3) + "\n"} << 1
                                << QStringLiteral("/tmp/a b\n.q7m");
        QTest::newRow("not ours") << QByteArrayList{"hello\n"} << 0 << QString();
        QTest::newRow("line never ends") << QByteArrayList{"activate"} << 0 << QString();
    }
    void messagesCountOnlyWhenWholeAndOurs() {
        QFETCH(QByteArrayList, pieces);
        QFETCH(int, activations);
        QFETCH(QString, file);
        SingleInstance first(instanceName());
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        QSignalSpy opened(&first, &SingleInstance::fileHandedOver);
        QProcess sender;
        sender.start(QStringLiteral("socat"),
                     {QStringLiteral("-u"), QStringLiteral("-"),
                      QStringLiteral("ABSTRACT-CONNECT:") + instanceName()});
        QVERIFY(sender.waitForStarted());
        for (const QByteArray& piece : pieces) {
            sender.write(piece);
            QTRY_COMPARE(sender.bytesToWrite(), 0);
            QTest::qWait(30);
        }
        sender.closeWriteChannel();
        QTRY_COMPARE(sender.state(), QProcess::NotRunning);
        QTest::qWait(50);
        QCOMPARE(raised.count(), activations);
        QCOMPARE(opened.count(), file.isEmpty() ? 0 : 1);
        if (!file.isEmpty())
            QCOMPARE(opened.value(0).value(0).toString(), file);
        // Nothing of that keeps the instance from hearing the next start.
        QVERIFY(SingleInstance(instanceName()).handOver());
        QTRY_COMPARE(raised.count(), activations + 1);
    }

    void killedInstanceNeverBlocksAStart() {
        // Another process holds the instance's name, as a first instance does, and is killed.
        QProcess holder;
        holder.start(QStringLiteral("socat"),
                     {QStringLiteral("ABSTRACT-LISTEN:") + instanceName(), QStringLiteral("-")});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY(SingleInstance::isClaimed(instanceName()));
        holder.kill();
        QVERIFY(holder.waitForFinished());
        auto app = makeApp();
        QVERIFY(app->InitInstance());
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
