// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window application to a shown main window, against a bare Qt main window
// with a 16 x 21 table, measured alternately in the same process. Prints both medians and
// their ratio. Run offscreen or under xvfb-run.
#include "CMZ58App.h"
#include "CMainFrame.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRounds = 15;

void waitUntilExposed(QWidget& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double bareWindow() {
    QElapsedTimer clock;
    clock.start();
    QMainWindow window;
    auto* table = new QTableWidget(16, 21, &window);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 21; ++column)
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("150.00000")));
    window.setCentralWidget(table);
    window.resize(640, 410);
    window.show();
    waitUntilExposed(window);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// A usual start: the configuration file and the default image are there from an earlier one.
double applicationStart(const QTemporaryDir& dir, int round) {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QElapsedTimer clock;
    clock.start();
    mz58::CMZ58App::Options options;
    options.imageDir = dir.path().toStdString();
    options.instanceName = QStringLiteral("mz58-startup-bench-%1-%2")
                               .arg(QCoreApplication::applicationPid())
                               .arg(round);
    double ms = -1;
    {
        mz58::CMZ58App app(options);
        if (app.InitInstance()) {
            waitUntilExposed(*app.mainFrame());
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        }
    }
    QDir::setCurrent(previous);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MZ58Win"));
    QTemporaryDir dir;
    // One of each first, so that fonts and plugins are loaded before anything is measured (and
    // the first start writes the configuration and the default image).
    (void)bareWindow();
    (void)applicationStart(dir, -1);
    std::vector<double> bare;
    std::vector<double> full;
    for (int round = 0; round < kRounds; ++round) {
        bare.push_back(bareWindow());
        full.push_back(applicationStart(dir, round));
    }
    const double b = median(bare);
    const double f = median(full);
    std::printf("bare QMainWindow + 16x21 QTableWidget: %.1f ms (median of %d)\n", b, kRounds);
    std::printf("mz58win start-up to shown main window: %.1f ms (median of %d)\n", f, kRounds);
    std::printf("ratio: %.2f (target <= 1.30)\n", f / b);
    return 0;
}
