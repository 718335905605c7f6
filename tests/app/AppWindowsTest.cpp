// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "ControlId.h"
#include "HelpTopics.h"
#include "HelpWindow.h"

#include <QAbstractItemModelTester>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace mz58;

namespace {

// The page the help window shows, as its file name.
QString shownPage() {
    HelpWindow* window = HelpWindow::current();
    return window ? window->browser()->source().fileName() : QString();
}

// A cell of the hex view counted as the user sees it: row 0 holds the column numbers,
// column 0 the address labels.
QString dumpText(const QAbstractItemModel* model, int row, int column) {
    if (row == 0)
        return model->headerData(column - 1, Qt::Horizontal).toString();
    if (column == 0)
        return model->headerData(row - 1, Qt::Vertical).toString();
    return model->index(row - 1, column - 1).data().toString();
}

} // namespace

class AppWindowsTest : public QObject {
    Q_OBJECT
    enum Window { HexView, GettingStarted, Problems, About };

private slots:
    void cleanup() { delete HelpWindow::current(); }

    void hexView() {
        RadioImage image{};
        image[0x000] = 0x01;
        image[0x01F] = 0xAB;
        image[0x1FF] = 0xF0;
        CFileDataDlg dialog(image);
        auto* grid = findControl<QTableView>(&dialog, CFileDataDlg::kIdGrid);
        QVERIFY(grid);
        const struct {
            int row, column;
            const char* text;
        } cells[] = {{1, 0, "00000h"}, // first address
                     {1, 1, "01"},
                     {2, 16, "ab"}, // byte 0x1f, lower-case letters
                     {32, 16, "f0"}};
        for (const auto& c : cells)
            QVERIFY2(dumpText(grid->model(), c.row, c.column) == c.text, c.text);
        QCOMPARE(grid->model()->index(1, 15).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("地址 01fh = 171"));
    }

    void hexViewIsReadOnly() {
        QWidget owner;
        auto* dialog = new CFileDataDlg(RadioImage{}, &owner);
        auto* grid = findControl<QTableView>(dialog, CFileDataDlg::kIdGrid);
        QAbstractItemModelTester tester(grid->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(grid->model()->rowCount(), 32);
        QCOMPARE(grid->model()->columnCount(), 16);

        // Typing into a cell changes nothing; Esc closes the dialog.
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClicks(grid, "ff");
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("00"));
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    }

    void helpTextWindow_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("getting started") << int(CHelpTextDlg::GettingStarted) << "Get Started"
                                         << "   GET STARTED";
        QTest::newRow("programming problems")
            << int(CHelpTextDlg::ProgrammingProblems) << "Common Proglams"
            << "   PROGRAMMING PROBLEMS";
    }
    void helpTextWindow() {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        QFETCH(QString, firstLine);
        QMainWindow frame;
        auto* dialog = new CHelpTextDlg(CHelpTextDlg::Mode(mode), &frame);
        QCOMPARE(dialog->windowTitle(), caption);
        auto* text = findControl<QPlainTextEdit>(dialog, CHelpTextDlg::kIdText);
        QVERIFY(text && text->isReadOnly());
        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), firstLine);
        // Every line fits the window; no Windows line end is left over.
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 58 && !line.contains(QLatin1Char('\r')), qPrintable(line));

        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::mouseClick(findControl<QPushButton>(dialog, CHelpTextDlg::kIdOk), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void helpKeyInWindows() {
        const struct {
            Window window;
            const char* page;
        } rows[] = {{HexView, "file-data.html"},
                    {GettingStarted, "getting-started.html"},
                    {Problems, "programming-problems.html"},
                    {About, "contents.html"}};
        for (const auto& r : rows) {
            QMainWindow frame;
            QDialog* dialog = r.window == HexView ? new CFileDataDlg(RadioImage{}, &frame)
                              : r.window == About
                                  ? static_cast<QDialog*>(new CAboutDlg(&frame))
                                  : new CHelpTextDlg(r.window == GettingStarted
                                                         ? CHelpTextDlg::GettingStarted
                                                         : CHelpTextDlg::ProgrammingProblems,
                                                     &frame);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            QTest::keyClick(dialog, Qt::Key_F1);
            QVERIFY2(shownPage() == r.page, r.page);
            delete HelpWindow::current();
        }
    }

    void helpTopics() {
        const struct {
            int context;
            const char *page, *title;
        } rows[] = {
            {302, "grid-receive.html", "Receive frequency"},
            {319, "grid-two-tone-code.html", "Two-tone code"},     // call code, 2-tone unit
            {320, "grid-signalling-code.html", "Signalling code"}, // call code, signalling unit
            {0x20066, "dialog-hardware.html", "Hardware parameters"},
            {0x20080, "main-window.html", "The channel grid"},
            {0x1E143, "contents.html", "Contents"}, // help menu contents
            {12345, "contents.html", "Contents"},   // unknown number
            {323, "contents.html", "Contents"},     // next to a known number
        };
        for (const auto& r : rows) {
            QMainWindow frame;
            showHelpTopic(&frame, r.context);
            const QByteArray row = QByteArray::number(r.context);
            QVERIFY2(shownPage() == r.page, row);
            QVERIFY2(HelpWindow::current()->browser()->documentTitle() == r.title, row);
            QVERIFY2(HelpWindow::current()->windowTitle().contains(r.title), row);
            delete HelpWindow::current();
        }
    }

    void helpWindowIsOneWindow() {
        QMainWindow frame;
        showHelpTopic(&frame, 302);
        HelpWindow* first = HelpWindow::current();
        showHelpTopic(&frame, 0x20066);
        QCOMPARE(HelpWindow::current(), first);
        QCOMPARE(shownPage(), QStringLiteral("dialog-hardware.html"));

        // Every link of the contents leads to a page that exists.
        first->browser()->setSource(helpContentsUrl());
        const QString contents = first->browser()->toHtml();
        const QLatin1String href("href=\"");
        int links = 0;
        for (qsizetype at = contents.indexOf(href); at >= 0; at = contents.indexOf(href, at + 1)) {
            const qsizetype start = at + href.size();
            const QString page = contents.mid(start, contents.indexOf('"', start) - start);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + page), qPrintable(page));
            ++links;
        }
        QVERIFY(links > 40);
    }

    // A modal dialog blocks other windows: F1 in it moves the help window to the dialog, and
    // closing the dialog hands the help window back to the main window instead of closing it.
    void helpWindowOutlivesTheDialogThatOpenedIt_data() {
        QTest::addColumn<bool>("openBefore");
        QTest::newRow("help window open before the dialog") << true;
        QTest::newRow("help window first opened from the dialog") << false;
    }
    void helpWindowOutlivesTheDialogThatOpenedIt() {
        QFETCH(bool, openBefore);
        QMainWindow frame;
        if (openBefore)
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
};

QTEST_MAIN(AppWindowsTest)
#include "AppWindowsTest.moc"
