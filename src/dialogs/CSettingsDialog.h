// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Messages.h"

#include <QDialog>
#include <QStringList>

#include <span>
#include <string_view>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QStatusBar;

namespace mz58 {

class CFieldCombo;
class CFieldEdit;

// The base of every settings dialog: the controls in a grid of label and control rows, the OK
// and Cancel buttons, and below them a two-pane bar with the tip of the focused control. F1
// opens the help window at the focused control's context or the dialog's own.
class CSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // The idle tip and the key-operation pane.
    static constexpr StringId kIdleMessage = 57345;
    static constexpr StringId kIdleTip = 93;
    static constexpr StringId kKeyOperationPane = 59143;
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    CSettingsDialog(int resourceId, const QString& caption, QWidget* parent);
    ~CSettingsDialog() override;

    // Shows the tip with string id `id` (its text up to the first line feed in the left pane,
    // the rest in the right one); unknown ids change nothing. Returns the previous tip id.
    StringId ShowTip(StringId id);
    StringId lastTipId() const { return m_lastTip; }
    QString tipText(int pane) const;

    int resourceId() const { return m_resourceId; }
    QPushButton* okButton() const { return m_ok; }

    // The help context of a control; 0 (the default) uses the dialog's context.
    static void setHelpContext(QWidget* control, int context);
    int helpContextOf(const QWidget* control) const;

protected:
    // Rows of label and control, made with the control's id and registered for tips.
    CFieldEdit* addEdit(int id, const QString& label, int filterMode, int maxLength);
    CFieldCombo* addCombo(int id, const QString& label, const QStringList& texts = {});
    void addRow(const QString& label, QWidget* control);
    void registerControl(QWidget* control, int id);
    QGridLayout* grid() const { return m_grid; }
    // OK acts only from its own button (a click, or Enter/Space while it has the focus).
    void setOkButtonText(const QString& text);

    // The work of OK; return false to keep the dialog open. Default: accept.
    virtual bool onOk() { return true; }

    void keyPressEvent(QKeyEvent* event) override;
    // Tab follows the layout and the first enabled field has the focus (not OK).
    void showEvent(QShowEvent* event) override;

private:
    void focusMoved(QWidget* now);

    int m_resourceId;
    StringId m_lastTip = 0;
    QGridLayout* m_grid;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QStatusBar* m_bar;
    QLabel* m_panes[2];
    QMetaObject::Connection m_focusConnection;
};

// Fills a combo with texts with its signals blocked and selects `index` (no selection when the
// list has no such entry).
void fillCombo(QComboBox* combo, const QStringList& texts, int index);
QStringList toQStringList(std::span<const std::string_view> texts);
QStringList toQStringList(std::span<const std::string> texts);

} // namespace mz58
