// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportRenderer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace mz58 {
namespace {

// Characters of every kind the report prints; a font for it must give them one width.
const QString kPitchProbe = QStringLiteral("iMW .-#*0:/");

bool hasFixedPitch(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(kPitchProbe.front());
    return std::all_of(kPitchProbe.begin(), kPitchProbe.end(),
                       [&](QChar c) { return metrics.horizontalAdvance(c) == width; });
}

// The system's fixed-pitch font, or the first of some common ones that really has a fixed
// pitch (fontconfig does not call every monospaced font so).
QFont fixedPitchFont() {
    std::vector<QFont> candidates{QFontDatabase::systemFont(QFontDatabase::FixedFont)};
    for (const char* family :
         {"DejaVu Sans Mono", "Liberation Mono", "Courier New", "Noto Sans Mono", "Monospace"}) {
        QFont font{QString::fromLatin1(family)};
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        candidates.push_back(font);
    }
    for (QFont& font : candidates) {
        font.setPointSizeF(ReportPageRenderer::kLargestPointSize);
        font.setKerning(false);
        if (hasFixedPitch(font))
            return font;
    }
    return candidates.front();
}

// The width of one character cell: as for the average character width of a printer font, the
// width of "x", which every character of a fixed-pitch font shares.
qreal cellWidth(const QFontMetricsF& metrics) {
    return metrics.horizontalAdvance(QLatin1Char('x'));
}

int mostLines(const CReportPrinter& report) {
    std::size_t most = 0;
    for (const auto& page : report.pages())
        most = std::max(most, page.size());
    return static_cast<int>(most);
}

} // namespace

ReportPageRenderer::ReportPageRenderer(QPaintDevice& device, int columns, int rows)
    : m_font(fixedPitchFont()), m_pageWidth(device.width()) {
    const qreal width = m_pageWidth;
    const qreal height = device.height();
    qreal size = kLargestPointSize;
    // Shrinks the font until the page fits; a few rounds absorb the metrics' rounding.
    for (int round = 0; round < 8; ++round) {
        m_font.setPointSizeF(size);
        const QFontMetricsF metrics(m_font, &device);
        const qreal needWidth = (kReportMarginColumns + columns) * cellWidth(metrics);
        const qreal needHeight = rows * (metrics.height() + metrics.leading());
        const qreal scale = std::min(width / needWidth, height / needHeight);
        if (scale >= 1.0 || needWidth <= 0 || needHeight <= 0)
            break;
        size = std::max(1.0, size * scale * 0.995);
    }
    measure(device);
}

ReportPageRenderer::ReportPageRenderer(QPaintDevice& device, const CReportPrinter& report)
    : ReportPageRenderer(device, kReportColumns, mostLines(report)) {}

void ReportPageRenderer::measure(QPaintDevice& device) {
    const QFontMetricsF metrics(m_font, &device);
    m_lineHeight = metrics.height() + metrics.leading();
    m_charWidth = cellWidth(metrics);
    m_ascent = metrics.ascent();
}

void ReportPageRenderer::drawPage(QPainter& painter, const ReportPage& lines) const {
    painter.save();
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].empty())
            continue;
        const QString text = QString::fromStdString(lines[n]);
        const qreal top = static_cast<qreal>(n) * m_lineHeight;
        // Only a long file name runs past the report's width: it is drawn narrower instead of
        // being cut at the edge of the paper.
        const qreal width = QFontMetricsF(m_font, painter.device()).horizontalAdvance(text);
        if (width > 0 && left() + width > m_pageWidth) {
            painter.save();
            painter.translate(left(), top);
            painter.scale((m_pageWidth - left()) / width, 1.0);
            painter.drawText(QPointF(0, m_ascent), text);
            painter.restore();
        } else {
            painter.drawText(QPointF(left(), top + m_ascent), text);
        }
    }
    painter.restore();
}

bool renderReport(const CReportPrinter& report, QPagedPaintDevice& device, int first, int last) {
    const int count = report.pageCount();
    first = std::max(first, 1);
    last = (last <= 0 || last > count) ? count : last;

    const ReportPageRenderer renderer(device, report);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            painter.end();
            return false;
        }
        renderer.drawPage(painter, report.pageLines(page));
    }
    return painter.end();
}

} // namespace mz58
