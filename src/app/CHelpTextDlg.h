// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace mz58 {

// One of the two built-in help texts of the Help menu, assembled from the string table.
// F1 opens the help window at the matching topic.
class CHelpTextDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode { GettingStarted = 0, ProgrammingProblems = 1 };
    static constexpr int kIdOk = 1;
    static constexpr int kIdText = 1002;

    explicit CHelpTextDlg(Mode mode, QWidget* parent = nullptr);

    // The text of a mode as the window shows it.
    static QString helpText(Mode mode);

private:
    Mode m_mode;
};

} // namespace mz58
