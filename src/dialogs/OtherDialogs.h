#pragma once

#include "CSettingsDialog.h"
#include "ComPorts.h"
#include "SettingsDialogs.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;

namespace mz58 {

// The serial port: COM 1..4, and for each the device it maps to, picked among the detected
// serial ports or typed.
class CComPortDlg : public CSettingsDialog {
    Q_OBJECT
public:
    CComPortDlg(int comPort, const ComPortMap& ports, QWidget* parent);
    int selection() const { return m_selection; } // 0..3
    ComPortMap ports() const;

private:
    int m_selection;
    QButtonGroup* m_buttons;
    std::array<QComboBox*, kComPortCount> m_devices{};
};

// The 15 column-group check boxes of the grid; a plain dialog without a tip bar.
class CColumnDisplayDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kResourceId = 169;
    static constexpr int kFirstBoxId = 2701;

    CColumnDisplayDlg(const std::array<int, kColumnGroupCount>& flags, QWidget* parent);
    std::array<int, kColumnGroupCount> flags() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QCheckBox*, kColumnGroupCount> m_boxes{};
};

} // namespace mz58
