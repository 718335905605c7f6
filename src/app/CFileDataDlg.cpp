// SPDX-License-Identifier: GPL-3.0-or-later
#include "CFileDataDlg.h"

#include "ControlId.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "ImageDumpModel.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace mz58 {

namespace {
constexpr int kVisibleRows = 16; // half the image at a time; the rest scrolls
constexpr int kResourceId = 170;
} // namespace

CFileDataDlg::CFileDataDlg(const RadioImage& image, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("File Data"));

    auto* grid = new QTableView(this);
    grid->setAccessibleName(windowTitle());
    setControlId(grid, kIdGrid);
    grid->setModel(new ImageDumpModel(image, grid));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid->horizontalHeader()->setFont(grid->font());
    grid->verticalHeader()->setFont(grid->font());
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fitGrid(grid);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    setControlId(ok, kIdOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid);
    layout->addWidget(buttons);
    setSizeGripEnabled(true);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { showHelpTopic(this, help::dialogContext(kResourceId)); });
}

// Columns as narrow as two hex digits allow, the whole width visible, half the rows.
void CFileDataDlg::fitGrid(QTableView* grid) {
    const QFontMetrics metrics(grid->font());
    const int cellWidth = metrics.horizontalAdvance(QStringLiteral("00")) + metrics.height();
    const int rowHeight = metrics.height() + 6;
    auto* columns = grid->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setDefaultSectionSize(cellWidth);
    columns->setMinimumSectionSize(cellWidth);
    auto* rows = grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(rowHeight);
    rows->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("001e0h")) + metrics.height());

    const int frame = 2 * grid->frameWidth();
    const int labelWidth = qMax(rows->sizeHint().width(), rows->minimumWidth());
    const int scrollBarWidth =
        grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    const int width = labelWidth + 16 * cellWidth + scrollBarWidth + frame;
    const int height = columns->sizeHint().height() + kVisibleRows * rowHeight + frame;
    grid->setMinimumSize(width, height);
}

} // namespace mz58
