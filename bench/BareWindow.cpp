// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of start-up: a bare Qt main window with a 16 x 21 table, as a process of its own.
#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* table = new QTableWidget(16, 21, &window);
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 21; ++column)
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("150.00000")));
    window.setCentralWidget(table);
    window.resize(640, 410);
    window.show();
    return QApplication::exec();
}
