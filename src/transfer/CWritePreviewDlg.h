// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioComparison.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTreeWidget;

namespace mz58 {

// What a write will change in the radio, or how the radio differs from the document, in the
// words of `mz58 diff`: grouped into channels, settings and other bytes, one row a difference
// with the radio's value first. As the write preview it offers Write and Cancel and a "Do not
// show again" box; as the comparison only Close.
class CWritePreviewDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { WritePreview, Compare };

    // `radioSerial` names the radio, `fileName` the document.
    CWritePreviewDlg(Purpose purpose, const RadioComparison& comparison, const QString& radioSerial,
                     const QString& fileName, QWidget* parent = nullptr);

    [[nodiscard]] bool doNotShowAgain() const;
    [[nodiscard]] QTreeWidget* differences() const { return m_tree; }
    [[nodiscard]] QPushButton* writeButton() const { return m_write; }

private:
    QTreeWidget* m_tree = nullptr;
    QCheckBox* m_doNotShow = nullptr;
    QPushButton* m_write = nullptr;
};

} // namespace mz58
