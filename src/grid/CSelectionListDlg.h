// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChannelEditing.h"

#include <QDialog>

#include <optional>

class QListWidget;

namespace mz58 {

// The modal list of a tone (CTCSS Frequency / DCS Frequency), a squelch level or a call code:
// the entries in several columns, the current value selected; a double click is OK.
class CSelectionListDlg : public QDialog {
    Q_OBJECT
public:
    CSelectionListDlg(const SelectionList& list, QWidget* parent = nullptr);

    // The chosen entry after OK; none when nothing is selected.
    std::optional<int> chosenPosition() const;

signals:
    void helpRequested(int contextNumber); // F1 in the list

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* m_list = nullptr;
    int m_helpContext = 0;
};

} // namespace mz58
