#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "ControlId.h"
#include "HelpTopics.h"
#include "HelpWindow.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <memory>

using namespace mz58;

namespace {

// The page a help window shows, as its file name.
QString shownPage() {
    HelpWindow* window = HelpWindow::current();
    return window ? window->browser()->source().fileName() : QString();
}

} // namespace

class AppWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { delete HelpWindow::current(); }

    void hexViewCells_data();
    void hexViewCells();
    void hexViewLabels_data();
    void hexViewLabels();
    void hexViewModel();

    void helpTextWindow_data();
    void helpTextWindow();

    void aboutBox();

    void helpTopics_data();
    void helpTopics();
    void helpWindowIsOneWindow();
    void helpWindowOutlivesTheDialogThatOpenedIt();
};

void AppWindowsTest::hexViewCells_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::newRow("first byte") << 0x000 << 0x01 << 0 << 0 << "01";
    QTest::newRow("lower-case letters, second row, last column")
        << 0x01F << 0xAB << 1 << 15 << "ab";
    QTest::newRow("row of the last label") << 0x1E0 << 0x00 << 30 << 0 << "00";
    QTest::newRow("last byte") << 0x1FF << 0xF0 << 31 << 15 << "f0";
}

void AppWindowsTest::hexViewCells() {
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    RadioImage image{};
    image[offset] = static_cast<std::uint8_t>(value);
    CFileDataDlg dialog(image);
    auto* grid = findControl<QTableView>(&dialog, CFileDataDlg::kIdGrid);
    QVERIFY(grid);
    QCOMPARE(grid->model()->index(row, column).data().toString(), text);
}

void AppWindowsTest::hexViewLabels_data() {
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("label");
    QTest::newRow("first column number") << Qt::Horizontal << 0 << "00";
    QTest::newRow("last column number") << Qt::Horizontal << 15 << "0f";
    QTest::newRow("first address") << Qt::Vertical << 0 << "00000h";
    QTest::newRow("even row has no address") << Qt::Vertical << 1 << "";
    QTest::newRow("address of the last labelled row") << Qt::Vertical << 30 << "001e0h";
    QTest::newRow("last row has no address") << Qt::Vertical << 31 << "";
}

void AppWindowsTest::hexViewLabels() {
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, section);
    QFETCH(QString, label);
    CFileDataDlg dialog(RadioImage{});
    auto* grid = findControl<QTableView>(&dialog, CFileDataDlg::kIdGrid);
    QCOMPARE(grid->model()->headerData(section, orientation).toString(), label);
}

void AppWindowsTest::hexViewModel() {
    QWidget owner;
    auto* dialog = new CFileDataDlg(RadioImage{}, &owner);
    auto* grid = findControl<QTableView>(dialog, CFileDataDlg::kIdGrid);
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(grid->model()->rowCount(), 32);
    QCOMPARE(grid->model()->columnCount(), 16);
    QVERIFY(!(grid->model()->flags(grid->model()->index(3, 3)) & Qt::ItemIsEditable));

    // Typing into a cell changes nothing; Esc closes the dialog.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClicks(grid, "ff");
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("00"));
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void AppWindowsTest::helpTextWindow_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("getting started") << int(CHelpTextDlg::GettingStarted) << "Get Started"
                                     << "   GET STARTED"
                                     << "getting-started.html";
    QTest::newRow("programming problems")
        << int(CHelpTextDlg::ProgrammingProblems) << "Common Proglams"
        << "   PROGRAMMING PROBLEMS"
        << "programming-problems.html";
}

void AppWindowsTest::helpTextWindow() {
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(QString, firstLine);
    QFETCH(QString, helpPage);
    QMainWindow frame;
    auto* dialog = new CHelpTextDlg(CHelpTextDlg::Mode(mode), &frame);
    QCOMPARE(dialog->windowTitle(), caption);
    auto* text = findControl<QPlainTextEdit>(dialog, CHelpTextDlg::kIdText);
    QVERIFY(text && text->isReadOnly());
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.first(), firstLine);
    // Every line of the texts fits the window's width; no Windows line end is left over.
    for (const QString& line : lines) {
        QVERIFY2(line.size() <= 58, qPrintable(line));
        QVERIFY(!line.contains(QLatin1Char('\r')));
    }

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(shownPage(), helpPage);
    QTest::mouseClick(findControl<QPushButton>(dialog, CHelpTextDlg::kIdOk), Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void AppWindowsTest::aboutBox() {
    QMainWindow frame;
    auto* dialog = new CAboutDlg(&frame);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("关于"));
    auto* version = findControl<QLabel>(dialog, CAboutDlg::kIdVersion);
    auto* product = findControl<QLabel>(dialog, CAboutDlg::kIdProduct);
    QVERIFY(version && product);
    QCOMPARE(version->text(), QStringLiteral("MZ58 Ver1.06w"));
    QCOMPARE(version->font().pointSize(), 24);
    QCOMPARE(product->text(), QStringLiteral("QM-610 编程软件"));
    QCOMPARE(product->font().pointSize(), 10);
    QVERIFY(findControl<QLabel>(dialog, CAboutDlg::kIdPurpose));
    QVERIFY(findControl<QLabel>(dialog, CAboutDlg::kIdHelpHint));

    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::keyClick(dialog, Qt::Key_F1);
    QCOMPARE(shownPage(), QStringLiteral("contents.html"));
}

void AppWindowsTest::helpTopics_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("first grid column") << 300 << "grid-channel.html"
                                       << "Channel number";
    QTest::newRow("receive column") << 302 << "grid-receive.html"
                                    << "Receive frequency";
    QTest::newRow("call code, no option unit") << 318 << "grid-page-code.html"
                                               << "Page code";
    QTest::newRow("call code, 2-tone unit") << 319 << "grid-two-tone-code.html"
                                            << "Two-tone code";
    QTest::newRow("call code, signalling unit") << 320 << "grid-signalling-code.html"
                                                << "Signalling code";
    QTest::newRow("last grid column") << 322 << "grid-out-of-range.html"
                                      << "Out-of-range alert";
    QTest::newRow("hardware dialog") << 0x20066 << "dialog-hardware.html"
                                     << "Hardware parameters";
    QTest::newRow("column display dialog")
        << help::dialogContext(169) << "dialog-column-display.html"
        << "Display settings";
    QTest::newRow("channel type dialog") << 0x200C0 << "dialog-channel-type.html"
                                         << "Channel type";
    QTest::newRow("main window") << 0x20080 << "main-window.html"
                                 << "The channel grid";
    QTest::newRow("help menu contents") << 0x1E143 << "contents.html"
                                        << "Contents";
    QTest::newRow("tool bar") << 0x5E81B << "contents.html"
                              << "Contents";
    QTest::newRow("unknown number") << 12345 << "contents.html"
                                    << "Contents";
    QTest::newRow("next to a known number") << 323 << "contents.html"
                                            << "Contents";
    QTest::newRow("zero") << 0 << "contents.html"
                          << "Contents";
}

void AppWindowsTest::helpTopics() {
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(QString, title);
    QMainWindow frame;
    showHelpTopic(&frame, context);
    QCOMPARE(shownPage(), page);
    QCOMPARE(HelpWindow::current()->browser()->documentTitle(), title);
    QVERIFY(HelpWindow::current()->windowTitle().contains(title));
}

void AppWindowsTest::helpWindowIsOneWindow() {
    QMainWindow frame;
    showHelpTopic(&frame, 302);
    HelpWindow* first = HelpWindow::current();
    showHelpTopic(&frame, 0x20066);
    QCOMPARE(HelpWindow::current(), first);
    QCOMPARE(shownPage(), QStringLiteral("dialog-hardware.html"));

    // Every link of the contents leads to a page that exists.
    QTextBrowser* browser = first->browser();
    browser->setSource(helpContentsUrl());
    const QString contents = browser->toHtml();
    int links = 0;
    for (qsizetype at = contents.indexOf(QLatin1String("href=\"")); at >= 0;
         at = contents.indexOf(QLatin1String("href=\""), at + 1)) {
        const qsizetype start = at + 6;
        const QString target =
            contents.mid(start, contents.indexOf(QLatin1Char('"'), start) - start);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(target));
        ++links;
    }
    QVERIFY(links > 40);
}

// A modal dialog blocks other windows: F1 in it moves the help window to the dialog, and
// closing the dialog hands the help window back to the main window instead of closing it.
void AppWindowsTest::helpWindowOutlivesTheDialogThatOpenedIt() {
    QMainWindow frame;
    showHelpTopic(&frame, 302);
    auto dialog = std::make_unique<CAboutDlg>(&frame);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    QCOMPARE(HelpWindow::current()->parentWidget(), dialog.get());
    dialog->accept();
    dialog.reset();
    QVERIFY(HelpWindow::current());
    QCOMPARE(HelpWindow::current()->parentWidget(), &frame);
    QVERIFY(HelpWindow::current()->isVisible());
}

QTEST_MAIN(AppWindowsTest)
#include "AppWindowsTest.moc"
