// SPDX-License-Identifier: GPL-3.0-or-later
// The window application as separate processes: one window per display, a file handed to the
// running window, and an ending by SIGTERM that keeps unsaved changes.

#include "CMZ58App.h"
#include "CMZ58Doc.h"
#include "CMainFrame.h"
#include "ImageCodec.h"
#include "ProgrammingFile.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace mz58;

namespace {

const QString kEditedWindow = QStringLiteral("--edited-window");

// The edit the child window makes, which the test makes again to know what to expect.
void editLikeAUser(ImageState& state) {
    state.channels.entries[0].scanMember ^= 1;
    ImageCodec::encodeAll(state);
}

// The child: the window application with FILE open and one edit made, as a user leaves it;
// "modal" keeps a message box open. Prints "ready" once the window waits for the user.
int runEditedWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MZ58Win"));
    const QStringList arguments = QApplication::arguments();
    CMZ58App::Options options;
    options.arguments = arguments.mid(2);
    options.arguments.removeAll(QStringLiteral("modal"));
    options.arguments.removeAll(QString());
    options.imageDir = QDir::currentPath().toStdString();
    CMZ58App window(options);
    if (!window.InitInstance())
        return 2;
    CMZ58Doc& doc = *window.document();
    (void)doc.edit({msg::kStepChange, {}}, {}, 0, editLikeAUser);
    if (arguments.contains(QStringLiteral("modal")))
        QTimer::singleShot(0, [&window] {
            QMessageBox::information(window.mainFrame(), QString(), QStringLiteral("busy"));
        });
    QTimer::singleShot(0, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return QApplication::exec();
}

} // namespace

class InstanceProcessTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QProcessEnvironment environmentFor(const QString& display) const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("XDG_SESSION_ID"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("TMPDIR"), folder(QStringLiteral("tmp")));
        const QString runtime = folder(QStringLiteral("runtime"));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        return env;
    }
    QString folder(const QString& name) const {
        QDir().mkpath(m_dir.filePath(name));
        return m_dir.filePath(name);
    }
    // Starts `program` in its own working folder `cwd` on `display`.
    void start(QProcess& process, const QString& program, const QStringList& arguments,
               const QString& display, const QString& cwd) {
        process.setProcessEnvironment(environmentFor(display));
        process.setWorkingDirectory(folder(cwd));
        process.start(program, arguments);
        QVERIFY(process.waitForStarted());
    }
    QString nameOn(const QString& program, const QString& display) const {
        return SingleInstance::nameFor(program, environmentFor(display));
    }
    static QString recentFile(const QString& cwd) {
        return QSettings(QDir(cwd).filePath(QStringLiteral("MZ58Win.ini")), QSettings::IniFormat)
            .value(QStringLiteral("Recent File List/File1"))
            .toString();
    }
    static void endByTerm(QProcess& process) {
        process.terminate();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }
    QString writeFile(const QString& cwd, const QString& name) {
        ImageState state;
        ImageCodec::makeNewImage(state, kVhf);
        const QString path = QDir(folder(cwd)).filePath(name);
        [&] { QVERIFY(WriteProgrammingFile(path.toStdString(), state.image, 0.0).ok()); }();
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // A window on :71 never keeps a start on :72 from opening its own; a start on :71 again
    // (written ":71.0", with a file name relative to its own folder) hands the file over and
    // ends with status 0, and the first window opens it.
    void oneWindowPerDisplay() {
        const QString program = QStringLiteral(MZ58WIN_BINARY);
        QProcess first, other, second;
        start(first, program, {}, QStringLiteral(":71"), QStringLiteral("first"));
        QTRY_VERIFY_WITH_TIMEOUT(
            SingleInstance::isClaimed(nameOn(QStringLiteral("mz58win"), QStringLiteral(":71"))),
            20000);
        start(other, program, {}, QStringLiteral(":72"), QStringLiteral("other"));
        QTRY_VERIFY_WITH_TIMEOUT(
            SingleInstance::isClaimed(nameOn(QStringLiteral("mz58win"), QStringLiteral(":72"))),
            20000);
        QCOMPARE(other.state(), QProcess::Running);

        const QString path = writeFile(QStringLiteral("second"), QStringLiteral("handed.q7m"));
        start(second, program, {QStringLiteral("handed.q7m")}, QStringLiteral(":71.0"),
              QStringLiteral("second"));
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(recentFile(m_dir.filePath(QStringLiteral("first"))), path, 20000);
        QCOMPARE(recentFile(m_dir.filePath(QStringLiteral("other"))), QString());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("second/MZ58Win.ini"))));
        QCOMPARE(other.state(), QProcess::Running);
        endByTerm(first);
        endByTerm(other);
    }

    // SIGTERM with unsaved changes, with and without a message box open: the window ends with
    // status 0, the changes are in the recovery folder naming their file, and the simulated
    // radio's folder is gone.
    void terminationKeepsUnsavedChanges_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("idle") << QString();
        QTest::newRow("message box open") << QStringLiteral("modal");
    }
    void terminationKeepsUnsavedChanges() {
        QFETCH(QString, mode);
        const QString cwd = QStringLiteral("edited-") + QTest::currentDataTag();
        const QString path = writeFile(cwd, QStringLiteral("work.q7m"));
        const QString recovery = m_dir.filePath(QStringLiteral("data/MZ58Win/recovery"));
        QDir(recovery).removeRecursively();
        QProcess window;
        start(window, QCoreApplication::applicationFilePath(),
              {kEditedWindow, path, QStringLiteral("--simulator"), mode}, QStringLiteral(":73"),
              cwd);
        QVERIFY(window.waitForReadyRead(20000));
        QCOMPARE(window.readAllStandardOutput().trimmed(), QByteArray("ready"));
        QVERIFY(!QDir(m_dir.filePath(QStringLiteral("tmp")))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                     .isEmpty()); // the simulated radio's folder
        endByTerm(window);

        const QStringList kept = QDir(recovery).entryList(QDir::Files, QDir::Name);
        QCOMPARE(kept.size(), 2);
        QVERIFY(kept[0].endsWith(QStringLiteral(".ini")) &&
                kept[1].endsWith(QStringLiteral(".q7m")));
        const QSettings info(QDir(recovery).filePath(kept[0]), QSettings::IniFormat);
        QCOMPARE(info.value(QStringLiteral("Recovery/File")).toString(), path);
        ImageState expected;
        ImageCodec::resetAll(expected);
        QVERIFY(OpenProgrammingFile(path.toStdString(), expected).ok());
        editLikeAUser(expected);
        QFile image(QDir(recovery).filePath(kept[1]));
        QVERIFY(image.open(QIODevice::ReadOnly));
        QCOMPARE(image.read(512),
                 QByteArray(reinterpret_cast<const char*>(expected.image.data()), 512));
        const QStringList left =
            QDir(m_dir.filePath(QStringLiteral("tmp")))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char(' '))));
        QCOMPARE(
            QDir(folder(cwd)).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp")),
            QStringList());
    }
};

int main(int argc, char* argv[]) {
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == kEditedWindow)
        return runEditedWindow(argc, argv);
    QApplication app(argc, argv);
    InstanceProcessTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "InstanceProcessTest.moc"
