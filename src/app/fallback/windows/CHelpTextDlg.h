#pragma once
// Stand-in until src/app/windows exists.
#include <QDialog>
namespace mz58 {
class CHelpTextDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode { GettingStarted = 0, ProgrammingProblems = 1 };
    explicit CHelpTextDlg(Mode mode, QWidget* parent = nullptr);
};
} // namespace mz58
