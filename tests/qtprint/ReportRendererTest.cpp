// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportRenderer.h"
#include "ProgrammingFile.h"
#include "ReportPdf.h"
#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <regex>

namespace mz58 {
namespace {

class ReportRenderer : public test::TempDirTest {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "qtprint_tests";
        static char* argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    static inline std::unique_ptr<QGuiApplication> s_app;
};

ImageState withoutChannels() {
    ImageState state = test::freshState();
    for (auto& channel : state.channels.entries)
        channel.inUse = 0;
    return state;
}

CReportPrinter prepared(const ImageState& state, const std::string& fileName = kNoFileName) {
    CReportPrinter report;
    report.Prepare(state, fileName);
    return report;
}

// Page objects of a PDF (not its page tree, "/Type /Pages").
int pdfPageObjects(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page(?![a-z]))");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

void setPaper(QPdfWriter& writer, QPageSize::PageSizeId paper) {
    writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

// Page counts of a whole PDF report are checked through the report verb (ReportVerbTest).
TEST_F(ReportRenderer, PdfIntoAMissingFolderFails) {
    EXPECT_FALSE(
        writeReportPdf(prepared(withoutChannels()), file("missing/r.pdf"), ReportPaper::A4).ok());
}

// The font is fixed pitch and never larger than 10 points, smaller where the paper is too small
// (A5); every line of the report's width and the longest page fit the printable area.
TEST_F(ReportRenderer, PagesFitThePaper) {
    for (const auto paper : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        SCOPED_TRACE(QPageSize(paper).name().toStdString());
        const CReportPrinter report = prepared(test::freshState());
        QPdfWriter writer(QString::fromStdString(file("fit.pdf").string()));
        setPaper(writer, paper);
        const ReportPageRenderer renderer(writer, report);

        EXPECT_LE(renderer.font().pointSizeF(), ReportPageRenderer::kLargestPointSize);
        const QFontMetricsF metrics(renderer.font(), &writer);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("iiiii")),
                         metrics.horizontalAdvance(QStringLiteral("MMMMM")));
        EXPECT_DOUBLE_EQ(renderer.left(), 5 * metrics.horizontalAdvance(QLatin1Char('x')));
        EXPECT_DOUBLE_EQ(renderer.lineHeight(), metrics.height() + metrics.leading());

        for (const auto& page : report.pages()) {
            EXPECT_LE(static_cast<qreal>(page.size()) * renderer.lineHeight(), writer.height());
            for (const auto& line : page) {
                const qreal right =
                    renderer.left() + metrics.horizontalAdvance(QString::fromStdString(line));
                EXPECT_LE(right, writer.width()) << line;
            }
        }
    }
}

// The bounds of the dark pixels of `image`; empty when nothing is drawn.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// A long file name keeps the report's font size; its line is drawn narrower, within the page.
TEST_F(ReportRenderer, LongFileNameStaysOnThePage) {
    QImage page(700, 1000, QImage::Format_RGB32);
    const ReportPageRenderer shortName(page, prepared(test::freshState(), "/radios/a.q7m"));
    const CReportPrinter longReport =
        prepared(test::freshState(), "/radios/" + std::string(70, 'n') + ".q7m");
    const ReportPageRenderer longName(page, longReport);
    EXPECT_DOUBLE_EQ(longName.font().pointSizeF(), shortName.font().pointSizeF());

    // Drawn on a wider canvas, nothing may reach past the width of the device it was laid out
    // for.
    QImage canvas(1400, 1000, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    longName.drawPage(painter, longReport.pageLines(1));
    painter.end();
    const int right = inkBox(canvas).right();
    EXPECT_GT(right, page.width() * 3 / 4) << "the name is drawn to the edge";
    EXPECT_LE(right, page.width());
}

// A line is drawn five character widths in, with its top at line number x line height.
TEST_F(ReportRenderer, LinePositions) {
    QImage image(1200, 900, QImage::Format_RGB32);
    const ReportPageRenderer renderer(image, kReportColumns, 20);
    for (const int row : {0, 3, 11}) {
        SCOPED_TRACE(row);
        image.fill(Qt::white);
        ReportPage lines(static_cast<std::size_t>(row) + 1);
        lines.back() = "    #";
        QPainter painter(&image);
        renderer.drawPage(painter, lines);
        painter.end();

        const QRect ink = inkBox(image);
        ASSERT_FALSE(ink.isEmpty()) << "nothing drawn";
        const QFontMetricsF metrics(renderer.font(), &image);
        const qreal cellLeft = renderer.left() + metrics.horizontalAdvance(QStringLiteral("    "));
        EXPECT_GE(ink.left(), cellLeft - 1);
        EXPECT_LE(ink.right(), cellLeft + metrics.horizontalAdvance(QLatin1Char('#')) + 1);
        EXPECT_GE(ink.top(), row * renderer.lineHeight() - 1);
        EXPECT_LE(ink.bottom(), (row + 1) * renderer.lineHeight() + 1);
    }
}

TEST_F(ReportRenderer, PageRangeOfAPrintJob) {
    const CReportPrinter report = prepared(test::freshState());
    const struct {
        int first;
        int last;
        int pages;
    } cases[] = {{1, 0, 3}, {1, 1, 1}, {2, 3, 2}, {3, 9, 1}, {0, 2, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.first) + ".." + std::to_string(c.last));
        {
            QPdfWriter writer(QString::fromStdString(file("range.pdf").string()));
            setPaper(writer, QPageSize::A4);
            ASSERT_TRUE(renderReport(report, writer, c.first, c.last));
        }
        EXPECT_EQ(pdfPageObjects(contents(file("range.pdf"))), c.pages);
    }
}

} // namespace
} // namespace mz58
