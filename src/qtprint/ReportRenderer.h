// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CReportPrinter.h"

#include <QFont>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace mz58 {

// The report's font on one paint device and the line positions it gives. Printing, print
// preview and PDF output all draw their pages through it.
class ReportPageRenderer {
public:
    static constexpr qreal kLargestPointSize = 10.0;

    // Chooses a fixed-pitch font of at most 10 points, smaller when `columns` characters after
    // the left margin or `rows` lines would not fit the device's paintable area, and measures
    // it on the device. A line longer than `columns` is drawn narrower so that it still ends
    // within the device's width.
    ReportPageRenderer(QPaintDevice& device, int columns, int rows);
    // Sized for the report's 80 columns and its longest page.
    ReportPageRenderer(QPaintDevice& device, const CReportPrinter& report);

    [[nodiscard]] const QFont& font() const { return m_font; }
    // Text height plus leading, in device units.
    [[nodiscard]] qreal lineHeight() const { return m_lineHeight; }
    // The average character width; for the fixed-pitch font, the width of every character.
    // The left margin: five character widths.
    [[nodiscard]] qreal left() const { return kReportMarginColumns * m_charWidth; }

    // Draws the lines of one page with no header or footer: line n has its top at
    // y = n x line height below the painter's origin (the top of the printable area) and
    // starts at x = left(). Text is placed by its baseline, one ascent below the line's top.
    void drawPage(QPainter& painter, const ReportPage& lines) const;

private:
    void measure(QPaintDevice& device);

    QFont m_font;
    qreal m_pageWidth = 0;
    qreal m_lineHeight = 0;
    qreal m_charWidth = 0;
    qreal m_ascent = 0;
};

// Draws pages `first`..`last` of a prepared report (1-based; `last` 0 means the last page;
// pages outside the report are skipped) onto a paged device such as a QPrinter or a
// QPdfWriter, one device page each. False when no painter could be started on the device.
[[nodiscard]] bool renderReport(const CReportPrinter& report, QPagedPaintDevice& device,
                                int first = 1, int last = 0);

} // namespace mz58
