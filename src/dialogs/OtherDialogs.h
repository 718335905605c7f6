// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CSettingsDialog.h"
#include "ComPorts.h"
#include "SettingsDialogs.h"

#include <QDialog>

#include <functional>
#include <string>
#include <thread>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace mz58 {

// The serial port: COM 1..4, and for each the device it maps to, picked among the detected
// serial ports or typed.
class CComPortDlg : public CSettingsDialog {
    Q_OBJECT
public:
    // The device a cable test of COM number `number` (1..4) opens, given the device shown for
    // it (a simulated radio may stand behind COM1).
    using CableDevice = std::function<std::string(int number, const std::string& shown)>;

    CComPortDlg(int comPort, const ComPortMap& ports, QWidget* parent,
                CableDevice cableDevice = {});
    ~CComPortDlg() override;
    int selection() const { return m_selection; } // 0..3
    ComPortMap ports() const;

    // Tests the cable on the selected port's device (the Test cable button); the result shows
    // below the ports, in the words of `mz58 cable-test`.
    void testCable();
    [[nodiscard]] QString cableTestText() const;
    [[nodiscard]] bool cableTestRunning() const { return m_testing; }

private:
    void showCableTest(bool ok, const QString& text);

    int m_selection;
    QButtonGroup* m_buttons;
    std::array<QComboBox*, kComPortCount> m_devices{};
    CableDevice m_cableDevice;
    QPushButton* m_testButton = nullptr;
    QLabel* m_testResult = nullptr;
    bool m_testing = false;
    std::jthread m_tester; // last: joined before the members above go away
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
