// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSelectionListDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace mz58 {
namespace {

constexpr int kRowsPerColumn = 13;
constexpr int kListColumns = 4;

} // namespace

CSelectionListDlg::CSelectionListDlg(const SelectionList& list, QWidget* parent)
    : QDialog(parent), m_helpContext(list.helpContext) {
    setWindowTitle(list.caption.empty()
                       ? QString()
                       : QCoreApplication::translate(kChannelGridContext, list.caption.c_str()));

    m_list = new QListWidget(this);
    m_list->setAccessibleName(windowTitle()); // a screen reader names the list by its caption
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& entry : list.entries)
        m_list->addItem(QString::fromStdString(entry));
    const int rowHeight = m_list->fontMetrics().height() + 4;
    m_list->setGridSize(QSize(list.columnWidth, rowHeight));
    const int rows = std::min(kRowsPerColumn, static_cast<int>(list.entries.size()));
    const int columns =
        std::min(kListColumns,
                 (static_cast<int>(list.entries.size()) + kRowsPerColumn - 1) / kRowsPerColumn);
    m_list->setMinimumSize(list.columnWidth * std::max(columns, 1) + 8,
                           rowHeight * rows + m_list->horizontalScrollBar()->sizeHint().height() +
                               8);
    if (list.selected >= 0 && list.selected < m_list->count()) {
        m_list->setCurrentRow(list.selected);
        m_list->scrollToItem(m_list->currentItem());
    } else {
        m_list->clearSelection();
    }
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

std::optional<int> CSelectionListDlg::chosenPosition() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return m_list->row(selected.front());
}

void CSelectionListDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(m_helpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mz58
