// SPDX-License-Identifier: GPL-3.0-or-later
#include "CWritePreviewDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace mz58 {
namespace {

enum Column { What, Before, After, ColumnCount };

// "Ch 3 Receive: 150.00000 -> 145.52500" as what, before and after; a line of another form
// stays whole in the first column.
QStringList splitDifference(const std::string& line) {
    const QString text = QString::fromStdString(line);
    const int colon = text.indexOf(QLatin1String(": "));
    const int arrow = text.indexOf(QLatin1String(" -> "), colon + 2);
    if (colon < 0 || arrow < 0)
        return {text, QString(), QString()};
    return {text.left(colon), text.mid(colon + 2, arrow - colon - 2), text.mid(arrow + 4)};
}

} // namespace

CWritePreviewDlg::CWritePreviewDlg(Purpose purpose, const RadioComparison& comparison,
                                   const QString& radioSerial, const QString& fileName,
                                   QWidget* parent)
    : QDialog(parent) {
    const bool preview = purpose == Purpose::WritePreview;
    setWindowTitle(preview ? tr("Write to radio: what will change") : tr("Compare with radio"));
    setModal(true);
    const int count = static_cast<int>(comparison.lines.size());
    QString heading;
    if (preview)
        heading =
            tr("Writing %1 will change the radio (serial number %2) in %n place(s):", "", count)
                .arg(fileName, radioSerial);
    else if (comparison.same())
        heading = tr("The radio (serial number %1) holds what a write of %2 would send.")
                      .arg(radioSerial, fileName);
    else
        heading = tr("The radio (serial number %1) differs from %2 in %n place(s):", "", count)
                      .arg(radioSerial, fileName);
    auto* label = new QLabel(heading, this);
    label->setWordWrap(true);

    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(ColumnCount);
    m_tree->setHeaderLabels({tr("What"), preview ? tr("In the radio now") : tr("In the radio"),
                             preview ? tr("After the write") : tr("In the file")});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAccessibleName(tr("Differences"));
    label->setBuddy(m_tree);
    const struct {
        QString caption;
        const std::vector<std::string>& lines;
    } groups[] = {{tr("Channels"), comparison.channels},
                  {tr("Settings"), comparison.settings},
                  {tr("Other bytes"), comparison.other}};
    for (const auto& group : groups) {
        if (group.lines.empty())
            continue;
        auto* top = new QTreeWidgetItem(
            m_tree, {QStringLiteral("%1 (%2)").arg(group.caption).arg(group.lines.size())});
        top->setFirstColumnSpanned(true);
        for (const auto& line : group.lines)
            new QTreeWidgetItem(top, splitDifference(line));
    }
    m_tree->expandAll();
    for (int c = 0; c < ColumnCount; ++c)
        m_tree->resizeColumnToContents(c);
    m_tree->header()->setStretchLastSection(true);
    m_tree->setVisible(count > 0);

    auto* buttons = new QHBoxLayout;
    if (preview) {
        m_doNotShow = new QCheckBox(tr("&Do not show again"), this);
        m_doNotShow->setToolTip(tr("Write at once from now on; Radio > Show changes before "
                                   "writing brings this window back."));
        buttons->addWidget(m_doNotShow);
    }
    buttons->addStretch();
    auto* close = new QPushButton(preview ? tr("Cancel") : tr("Close"), this);
    if (preview) {
        m_write = new QPushButton(tr("&Write"), this);
        m_write->setAutoDefault(false);
        connect(m_write, &QPushButton::clicked, this, &QDialog::accept);
        buttons->addWidget(m_write);
    }
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 90, count > 0 ? fontMetrics().height() * 24 : 0);
    (preview ? static_cast<QWidget*>(m_write) : close)->setFocus();
}

bool CWritePreviewDlg::doNotShowAgain() const {
    return m_doNotShow && m_doNotShow->isChecked();
}

} // namespace mz58
