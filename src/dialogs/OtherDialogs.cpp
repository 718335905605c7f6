// SPDX-License-Identifier: GPL-3.0-or-later
#include "OtherDialogs.h"

#include "CableTest.h"
#include "ControlId.h"
#include "HelpRequest.h"
#include "SerialPortList.h"
#include "UiText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mz58 {

namespace {
constexpr int kFirstPortButton = 3601;
}

CComPortDlg::CComPortDlg(int comPort, const ComPortMap& ports, QWidget* parent,
                         CableDevice cableDevice)
    : CSettingsDialog(174, tr("串口设置"), parent),
      m_selection(comPort >= 1 && comPort <= kComPortCount ? comPort - 1 : 0),
      m_cableDevice(std::move(cableDevice)) {
    setOkButtonText(tr("确定"));
    auto* intro = new QLabel(tr("选择串行口"), this);
    setControlId(intro, 3610);
    grid()->addWidget(intro, 0, 0);
    auto* group = new QGroupBox(tr("串行口"), this);
    setControlId(group, 3600);
    auto* rows = new QGridLayout(group);
    m_buttons = new QButtonGroup(this);
    const std::vector<SerialPortInfo> detected = findSerialPorts();
    for (int i = 0; i < kComPortCount; ++i) {
        auto* button = new QRadioButton(tr("COM &%1").arg(i + 1), group);
        setControlId(button, kFirstPortButton + i);
        m_buttons->addButton(button, i);
        auto* device = new QComboBox(group);
        device->setEditable(true);
        device->setMinimumContentsLength(28);
        for (const SerialPortInfo& info : detected) {
            const QString path = QString::fromStdString(info.path);
            const QString desc = QString::fromStdString(info.description);
            device->addItem(desc.isEmpty() ? path : QStringLiteral("%1 (%2)").arg(path, desc),
                            path);
        }
        const QString current = QString::fromStdString(ports.devices[static_cast<std::size_t>(i)]);
        const int known = device->findData(current);
        if (known >= 0)
            device->setCurrentIndex(known);
        else
            device->setEditText(current);
        m_devices[static_cast<std::size_t>(i)] = device;
        rows->addWidget(button, i, 0);
        rows->addWidget(device, i, 1);
    }
    grid()->addWidget(group, 1, 0);
    m_buttons->button(m_selection)->setChecked(true);
    connect(m_buttons, &QButtonGroup::idClicked, this, [this](int id) { m_selection = id; });

    // The cable test: a few bytes out and their echo back, no radio needed.
    m_testButton = new QPushButton(tr("&Test cable"), this);
    m_testButton->setAutoDefault(false);
    m_testButton->setToolTip(tr("Sends a few bytes on the selected port and expects the "
                                "programming cable to echo them. No radio is needed."));
    m_testResult = new QLabel(this);
    m_testResult->setWordWrap(true);
    m_testResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_testResult->setAccessibleName(tr("Cable test result"));
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(m_testButton);
    testRow->addWidget(m_testResult, 1);
    grid()->addLayout(testRow, 2, 0);
    connect(m_testButton, &QPushButton::clicked, this, &CComPortDlg::testCable);
}

CComPortDlg::~CComPortDlg() = default;

void CComPortDlg::testCable() {
    if (m_testing)
        return;
    const int number = m_selection + 1;
    const std::string shown = ports().devices[static_cast<std::size_t>(m_selection)];
    const std::string device = m_cableDevice ? m_cableDevice(number, shown) : shown;
    m_testing = true;
    m_testButton->setEnabled(false);
    m_testResult->setStyleSheet(QString());
    m_testResult->setText(tr("Testing the cable on %1...").arg(QString::fromStdString(shown)));
    if (m_tester.joinable())
        m_tester.join();
    QPointer<CComPortDlg> self(this);
    m_tester = std::jthread([self, device, shown] {
        CableTestResult result = mz58::testCable(device);
        // The user knows the port by the name the dialog shows.
        const std::string args[] = {shown};
        QString text = uiMessage(result.message, args);
        if (!result.ok && !result.detail.empty())
            text += QStringLiteral(" (%1)").arg(QString::fromStdString(result.detail));
        QMetaObject::invokeMethod(
            self.data(),
            [self, ok = result.ok, text] {
                if (self)
                    self->showCableTest(ok, text);
            },
            Qt::QueuedConnection);
    });
}

void CComPortDlg::showCableTest(bool ok, const QString& text) {
    m_testing = false;
    m_testButton->setEnabled(true);
    m_testResult->setText(text);
    m_testResult->setStyleSheet(ok ? QString() : QStringLiteral("color: #b00000"));
}

QString CComPortDlg::cableTestText() const {
    return m_testResult->text();
}

ComPortMap CComPortDlg::ports() const {
    ComPortMap map;
    for (std::size_t i = 0; i < m_devices.size(); ++i) {
        const QComboBox* device = m_devices[i];
        // A detected port carries its path as data; a typed one is the text itself.
        const int index = device->findText(device->currentText());
        const QString path = index >= 0 && device->itemData(index).isValid()
                                 ? device->itemData(index).toString()
                                 : device->currentText().trimmed();
        if (!path.isEmpty())
            map.devices[i] = path.toStdString();
    }
    return map;
}

CColumnDisplayDlg::CColumnDisplayDlg(const std::array<int, kColumnGroupCount>& flags,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("显示设置"));
    const QString texts[kColumnGroupCount] = {
        tr("宽/窄"), tr("频率"),         tr("代码静噪"),  tr("省电"),     tr("功率"),
        tr("扫描"),  tr("QGS"),          tr("发射超时"),  tr("静噪"),     tr("ANI"),
        tr("加密"),  tr("遇忙发射限制"), tr("呼叫/信号"), tr("时钟偏移"), tr("通讯圈外提示")};
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(this);
    auto* boxes = new QGridLayout(group);
    for (int g = 0; g < kColumnGroupCount; ++g) {
        auto* box = new QCheckBox(texts[g], group);
        setControlId(box, kFirstBoxId + g);
        box->setChecked(flags[static_cast<std::size_t>(g)] == 1);
        boxes->addWidget(box, g % 5, g / 5);
        m_boxes[static_cast<std::size_t>(g)] = box;
    }
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(tr("确定"), this);
    auto* cancel = new QPushButton(tr("取消"), this);
    setControlId(ok, CSettingsDialog::kOkId);
    setControlId(cancel, CSettingsDialog::kCancelId);
    for (auto* b : {ok, cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::array<int, kColumnGroupCount> CColumnDisplayDlg::flags() const {
    std::array<int, kColumnGroupCount> result{};
    for (std::size_t g = 0; g < result.size(); ++g)
        result[g] = m_boxes[g]->isChecked() ? 1 : 0;
    return result;
}

void CColumnDisplayDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        requestHelp(this, help::dialogContext(kResourceId));
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the focused button; on a check box it flips the box.
        if (auto* button = qobject_cast<QAbstractButton*>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mz58
