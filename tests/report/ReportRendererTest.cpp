#include "ReportRenderer.h"
#include "ProgrammingFile.h"
#include "ReportPdf.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>

#include <unistd.h>

namespace fs = std::filesystem;

namespace mz58 {
namespace {

class ReportRenderer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QGuiApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "report_render_tests";
        static char* argv[] = {name, nullptr};
        s_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { s_app.reset(); }

    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("mz58-render-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static inline std::unique_ptr<QGuiApplication> s_app;
    fs::path m_dir;
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

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Page objects of a PDF (not its page tree, "/Type /Pages").
int pdfPageObjects(const std::string& pdf) {
    const std::regex page(R"(/Type\s*/Page(?![a-z]))");
    return static_cast<int>(
        std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

// "Pages:" of pdfinfo, or -1 when pdfinfo is not installed.
int pdfinfoPages(const fs::path& path) {
    const std::string command = "pdfinfo '" + path.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe)
        return -1;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe.get())) {
        int pages = 0;
        if (std::sscanf(buffer, "Pages: %d", &pages) == 1)
            return pages;
    }
    return -1;
}

void setPaper(QPdfWriter& writer, QPageSize::PageSizeId paper) {
    writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

TEST_F(ReportRenderer, PdfHasOnePagePerReportPage) {
    const struct {
        const char* name;
        ImageState state;
        int pages;
    } cases[] = {
        {"no channel", withoutChannels(), 2},
        {"channels", test::freshState(), 3},
    };
    for (const auto& c : cases) {
        for (const auto paper : {ReportPaper::A4, ReportPaper::Letter}) {
            SCOPED_TRACE(c.name + std::string(paper == ReportPaper::A4 ? " A4" : " Letter"));
            const fs::path pdf = m_dir / "report.pdf";
            ASSERT_TRUE(writeReportPdf(prepared(c.state), pdf, paper));
            const std::string bytes = contents(pdf);
            ASSERT_EQ(bytes.substr(0, 5), "%PDF-");
            EXPECT_EQ(pdfPageObjects(bytes), c.pages);
            if (const int pages = pdfinfoPages(pdf); pages >= 0) {
                EXPECT_EQ(pages, c.pages);
            }
        }
    }
}

TEST_F(ReportRenderer, PdfIntoAMissingFolderFails) {
    EXPECT_FALSE(
        writeReportPdf(prepared(withoutChannels()), m_dir / "missing" / "r.pdf", ReportPaper::A4));
}

// The font is fixed pitch and never larger than 10 points; every line of the report's width
// and the longest page fit the printable area of the paper.
TEST_F(ReportRenderer, PagesFitThePaper) {
    for (const auto paper : {QPageSize::A4, QPageSize::Letter, QPageSize::A5}) {
        SCOPED_TRACE(QPageSize(paper).name().toStdString());
        const CReportPrinter report = prepared(test::freshState());
        QPdfWriter writer((m_dir / "fit.pdf").string().c_str());
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

// The rightmost dark pixel of `image`, or -1.
int inkRight(const QImage& image) {
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = right + 1; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                right = x;
        }
    }
    return right;
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
    const int right = inkRight(canvas);
    EXPECT_GT(right, page.width() * 3 / 4) << "the name is drawn to the edge";
    EXPECT_LE(right, page.width());
}

TEST_F(ReportRenderer, FontShrinksForASmallDevice) {
    QImage small(400, 300, QImage::Format_RGB32);
    const ReportPageRenderer renderer(small, kReportColumns, 49);
    EXPECT_LT(renderer.font().pointSizeF(), ReportPageRenderer::kLargestPointSize);
    EXPECT_LE(renderer.left() + kReportColumns * renderer.charWidth(), small.width());
    EXPECT_LE(49 * renderer.lineHeight(), small.height());
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

        int left = image.width(), right = -1, top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        ASSERT_GE(right, 0) << "nothing drawn";
        const QFontMetricsF metrics(renderer.font(), &image);
        const qreal cellLeft = renderer.left() + metrics.horizontalAdvance(QStringLiteral("    "));
        EXPECT_GE(left, cellLeft - 1);
        EXPECT_LE(right, cellLeft + metrics.horizontalAdvance(QLatin1Char('#')) + 1);
        EXPECT_GE(top, row * renderer.lineHeight() - 1);
        EXPECT_LE(bottom, (row + 1) * renderer.lineHeight() + 1);
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
        const fs::path pdf = m_dir / "range.pdf";
        {
            QPdfWriter writer(QString::fromStdString(pdf.string()));
            setPaper(writer, QPageSize::A4);
            ASSERT_TRUE(renderReport(report, writer, c.first, c.last));
        }
        EXPECT_EQ(pdfPageObjects(contents(pdf)), c.pages);
    }
}

} // namespace
} // namespace mz58
