// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationStyle.h"

#include <QApplication>
#include <QMainWindow>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace mz58;

namespace {

std::unique_ptr<QStyle> platformStyle() {
    return std::unique_ptr<QStyle>(QStyleFactory::create(QApplication::style()->name()));
}

// A main window's tool bar drawn in the given style, as it shows on screen.
QImage toolBarPicture(QStyle* style, Qt::ToolBarArea area, QSize windowSize,
                      const QPalette& palette) {
    QMainWindow window;
    window.setPalette(palette);
    auto* bar = new QToolBar(&window);
    bar->setStyle(style);
    bar->addAction(QStringLiteral("A"));
    bar->addSeparator();
    bar->addAction(QStringLiteral("B"));
    window.addToolBar(area, bar);
    window.resize(windowSize);
    window.show();
    return bar->grab().toImage();
}

} // namespace

class ApplicationStyleTest : public QObject {
    Q_OBJECT
private slots:
    void toolBarLooksAsThePlatformStyleDrawsIt_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<bool>("dark");
        QTest::newRow("top, window wide") << int(Qt::TopToolBarArea) << QSize(640, 410) << false;
        QTest::newRow("top, window narrow") << int(Qt::TopToolBarArea) << QSize(90, 200) << false;
        QTest::newRow("top, dark colours") << int(Qt::TopToolBarArea) << QSize(640, 410) << true;
        QTest::newRow("bottom") << int(Qt::BottomToolBarArea) << QSize(500, 300) << false;
        QTest::newRow("left (drawn by the style itself)")
            << int(Qt::LeftToolBarArea) << QSize(500, 300) << false;
    }
    void toolBarLooksAsThePlatformStyleDrawsIt() {
        QFETCH(int, area);
        QFETCH(QSize, windowSize);
        QFETCH(bool, dark);
        QPalette palette = QApplication::palette();
        if (dark) {
            palette.setColor(QPalette::Window, QColor(40, 44, 52));
            palette.setColor(QPalette::Button, QColor(60, 30, 30));
        }
        const auto plain = platformStyle();
        ApplicationStyle ours(platformStyle().release());
        const QImage expected =
            toolBarPicture(plain.get(), static_cast<Qt::ToolBarArea>(area), windowSize, palette);
        const QImage actual =
            toolBarPicture(&ours, static_cast<Qt::ToolBarArea>(area), windowSize, palette);
        QVERIFY(!expected.isNull());
        QCOMPARE(actual.size(), expected.size());
        QVERIFY2(actual == expected, "the tool bar differs from the platform style's drawing");
    }

    void overflowPicturesAreThePlatformStylesOwn_data() {
        QTest::addColumn<int>("which");
        QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
        QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
    }
    void overflowPicturesAreThePlatformStylesOwn() {
        QFETCH(int, which);
        const auto plain = platformStyle();
        ApplicationStyle ours(platformStyle().release());
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        const QIcon expected = plain->standardIcon(pixmap);
        const QIcon actual = ours.standardIcon(pixmap);
        QVERIFY(!actual.isNull());
        QCOMPARE(actual.availableSizes(), expected.availableSizes());
        for (const int side : {8, 16, 24}) {
            QCOMPARE(actual.actualSize(QSize(side, side)), expected.actualSize(QSize(side, side)));
            QCOMPARE(actual.pixmap(side).toImage(), expected.pixmap(side).toImage());
        }
        // A copy outlives nothing it needs.
        const QIcon copy = actual;
        QCOMPARE(copy.pixmap(16).toImage(), expected.pixmap(16).toImage());
    }
};

QTEST_MAIN(ApplicationStyleTest)
#include "ApplicationStyleTest.moc"
