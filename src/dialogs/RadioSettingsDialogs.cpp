// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadioSettingsDialogs.h"

#include "AccessoryKeySetting.h"
#include "CFieldCombo.h"
#include "CFieldEdit.h"
#include "ChannelTable.h"
#include "ControlId.h"
#include "SettingsDialogRules.h"
#include "SettingsListTexts.h"
#include "UiText.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace mz58 {
namespace dr = dialogrules;

namespace {

constexpr StringId kChangeBandQuestion = 50;

bool confirm(QWidget* parent, Prompter* prompter, StringId id) {
    if (prompter)
        return prompter->ask(id, {}, Buttons::YesNo, Icon::Warning) == Answer::Yes;
    return QMessageBox::warning(parent, QString(), uiText(id),
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// An announcement of what OK is about to do: OK goes on, Cancel returns to the dialog.
bool confirmOk(QWidget* parent, Prompter* prompter, StringId id) {
    if (prompter)
        return prompter->ask(id, {}, Buttons::OkCancel, Icon::Warning) == Answer::Ok;
    return QMessageBox::warning(parent, QString(), uiText(id),
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString text(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace

CImageSettingsDialog::CImageSettingsDialog(int resourceId, const QString& caption,
                                           const ImageState& state, const DialogContext& ctx,
                                           QWidget* parent)
    : CSettingsDialog(resourceId, caption, parent), m_work(state), m_ctx(ctx),
      m_bank(ctx.currentBank) {}

CFieldCombo* CImageSettingsDialog::bindCombo(int id, const QString& label, const QStringList& texts,
                                             int entry, std::function<void(int)> store) {
    CFieldCombo* combo = addCombo(id, label, texts);
    fillCombo(combo, texts, entry);
    connect(combo, &QComboBox::activated, this, [this, store = std::move(store)](int index) {
        if (index < 0)
            return; // no selection keeps the field
        store(index);
    });
    return combo;
}

void CImageSettingsDialog::bindFieldCombos(std::initializer_list<FieldCombo> rows) {
    for (const auto& r : rows)
        bindCombo(r.id, r.label, r.texts, *r.field, [field = r.field](int i) { *field = i; });
}

CFieldEdit* CImageSettingsDialog::bindEdit(int id, const QString& label, int filter, int maxLength,
                                           std::function<QString(const QString&)> take) {
    CFieldEdit* edit = addEdit(id, label, filter, maxLength);
    auto takeValue = [this, edit, take = std::move(take)] {
        if (!edit->committed)
            return;
        edit->committed = false;
        edit->setText(take(edit->text()));
    };
    connect(edit, &CFieldEdit::enterPressed, this, takeValue);
    connect(edit, &CFieldEdit::focusLost, this, takeValue);
    return edit;
}

// ---- hardware

CHardwareDlg::CHardwareDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(102, tr("硬件参数"), state, ctx, parent), m_offset(state.localOffset) {
    auto& hw = m_work.hardware;
    // The band asks first; only a band change that goes ahead marks the document.
    connect(addCombo(2005, tr("工作波段")), &QComboBox::activated, this,
            [this](int band) { bandChosen(band); });
    bindEdit(2000, tr("参考晶体频率"), CFieldEdit::kDecimal, 5, [this, &hw](const QString& t) {
        hw.reference = dr::clampReference(dr::leadingNumber(t.toStdString()), hw);
        m_changed = true;
        return QString::fromStdString(dr::formatMegahertz(hw.reference));
    });
    auto* firstIf = addEdit(2001, tr("第一本振频率"), CFieldEdit::kDecimal, 5);
    firstIf->Enable(false);
    bindCombo(2006, tr("本振差频方向"), {}, -1, [this, &hw](int i) {
        hw.injection = i;
        m_changed = true;
    });
    addCombo(2007, tr("频率步进"))->setEnabled(false);
    bindCombo(2008, tr("静噪延迟时间"), {}, -1,
              [&hw](int i) { hw.squelchDelay = dr::squelchDelayValue(i); });
    bindCombo(2009, tr("静噪释放时间"), {}, -1,
              [&hw](int i) { hw.squelchRelease = dr::squelchTimeValue(i); });
    bindCombo(2010, tr("静噪开启时间"), {}, -1,
              [&hw](int i) { hw.squelchAttack = dr::squelchTimeValue(i); });
    bindCombo(2011, tr("静噪判断时间"), {}, -1, [&hw](int i) { hw.squelchHysteresis = i; });
    bindCombo(2012, tr("DCS接收数据"), {}, -1,
              [&hw](int i) { hw.dcsPolarity = dr::withReceivePolarity(hw.dcsPolarity, i); });
    bindCombo(2013, tr("DCS发射数据"), {}, -1,
              [&hw](int i) { hw.dcsPolarity = dr::withTransmitPolarity(hw.dcsPolarity, i); });

    for (int id : {2005, 2006, 2008, 2009, 2010, 2011, 2012, 2013})
        findControl<QComboBox>(this, id)->setEnabled(ctx.maintenanceMode);
    findControl<CFieldEdit>(this, 2000)->Enable(ctx.maintenanceMode);
    showFields();
}

void CHardwareDlg::showFields() {
    const auto& hw = m_work.hardware;
    auto combo = [this](int id) { return findControl<QComboBox>(this, id); };
    fillCombo(combo(2005), {tr("VHF "), tr("UHF")}, hw.band);
    fillCombo(combo(2006), toQStringList(kInjectionSideTexts), hw.injection);
    fillCombo(combo(2007), toQStringList(dr::stepPairTexts()), dr::stepPairEntry(hw));
    fillCombo(combo(2008), toQStringList(dr::squelchDelayTexts()),
              dr::squelchEntry(hw.squelchDelay));
    fillCombo(combo(2009), toQStringList(dr::squelchReleaseTexts()),
              dr::squelchEntry(hw.squelchRelease));
    fillCombo(combo(2010), toQStringList(dr::squelchAttackTexts()),
              dr::squelchEntry(hw.squelchAttack));
    fillCombo(combo(2011), toQStringList(dr::squelchHysteresisTexts()), hw.squelchHysteresis);
    const QStringList polarity{tr("Normal"), tr("Inverted")};
    fillCombo(combo(2012), polarity, (hw.dcsPolarity >> 4) & 0x0F);
    fillCombo(combo(2013), polarity, hw.dcsPolarity & 0x0F);
    findControl<CFieldEdit>(this, 2000)
        ->setText(QString::fromStdString(dr::formatMegahertz(hw.reference)));
    findControl<CFieldEdit>(this, 2001)
        ->setText(QString::fromStdString(dr::formatMegahertz(hw.firstIf)));
}

void CHardwareDlg::bandChosen(int band) {
    const bool proceed =
        band != m_work.hardware.band && confirm(this, m_ctx.prompter, kChangeBandQuestion) &&
        (!m_ctx.documentModified || !m_ctx.saveChangesFirst || m_ctx.saveChangesFirst());
    if (!proceed) {
        fillCombo(findControl<QComboBox>(this, 2005), {tr("VHF "), tr("UHF")},
                  m_work.hardware.band);
        return;
    }
    m_bandChanged = true;
    ImageCodec::changeBand(m_work, band);
    m_offset = m_work.localOffset;
    showFields();
}

bool CHardwareDlg::onOk() {
    m_work.localOffset = m_offset;
    ImageCodec::encodeAll(m_work);
    return true;
}

// ---- scan and power save

CScanDlg::CScanDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(158, tr("扫描参数"), state, ctx, parent) {
    m_scan.decode(m_work.image);
    const auto priority =
        toQStringList(dr::priorityChannelTexts(dr::powerOnDualWatch(m_work.image)));
    bindFieldCombos({
        {2101, tr("双信道扫描定时器"), toQStringList(dr::dualWatchTimerTexts()),
         &m_scan.dualWatchTimer},
        {2102, tr("扫描恢复时间1"), toQStringList(dr::resumeTime1Texts()), &m_scan.resumeTime1},
        {2103, tr("扫描恢复时间2"), toQStringList(dr::resumeTime2Texts()), &m_scan.resumeTime2},
        {2104, tr("A信道群主信道"), priority, &m_scan.bankAPriorityChannel},
        {2105, tr("B信道群主信道"), priority, &m_scan.bankBPriorityChannel},
        {2106, tr("回叫"), toQStringList(kDisabledEnabledTexts), &m_scan.answerBack},
        {2107, tr("脱网(反转信道)"), toQStringList(kRevertChannelTexts), &m_scan.revertChannel},
        {2108, tr("主信道提示"), toQStringList(kEnabledDisabledTexts), &m_scan.priorityBeep},
    });
}

bool CScanDlg::onOk() {
    m_scan.encode(m_work.image);
    return true;
}

CPowerSaveDlg::CPowerSaveDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(159, tr("省电功能"), state, ctx, parent) {
    m_functions.decode(m_work.image);
    bindFieldCombos({
        {2153, tr("发射定时器"), toQStringList(dr::transmitTimerTexts()),
         &m_functions.transmitTimer},
        {2154, tr("惩罚时间"), toQStringList(dr::penaltyTimeTexts()), &m_functions.penaltyTime},
        {2155, tr("释放时间"), toQStringList(dr::releaseTimeTexts()), &m_functions.releaseTime},
        {2156, tr("自动关机时间"), toQStringList(kAutoPowerOffTexts), &m_functions.autoPowerOff},
        {2157, tr("接收省电模式"), toQStringList(kReceiveSaveTexts), &m_functions.receiveSave},
    });
}

bool CPowerSaveDlg::onOk() {
    m_functions.encode(m_work.image);
    return true;
}

// ---- options, key function, market number, other functions

COptionsDlg::COptionsDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(131, tr("选项"), state, ctx, parent),
      m_unit(OptionUnit::decodeType(state.image)), m_openedUnit(m_unit) {
    m_options.decode(m_work.image);
    const auto boards = toQStringList(kBoardPresenceTexts);
    bindCombo(2050, tr("加密选件"), boards, m_options.encryptionAbsent,
              [this](int i) { m_options.encryptionAbsent = i; });
    bindCombo(2051, tr("DTMF选件"), boards, m_options.dtmfAbsent,
              [this](int i) { m_options.dtmfAbsent = i; });
    bindCombo(2052, tr("子CPU"), toQStringList(dr::optionUnitTexts()), dr::optionUnitEntry(m_unit),
              [this](int i) {
                  m_unit = dr::optionUnitTypeOfEntry(i);
                  showFields();
              });
    for (int id : {2050, 2051, 2052})
        findControl<QComboBox>(this, id)->setEnabled(ctx.maintenanceMode);
}

void COptionsDlg::showFields() {
    const auto boards = toQStringList(kBoardPresenceTexts);
    fillCombo(findControl<QComboBox>(this, 2050), boards, m_options.encryptionAbsent);
    fillCombo(findControl<QComboBox>(this, 2051), boards, m_options.dtmfAbsent);
    fillCombo(findControl<QComboBox>(this, 2052), toQStringList(dr::optionUnitTexts()),
              dr::optionUnitEntry(m_unit));
}

bool COptionsDlg::onOk() {
    dr::writeOptions(m_work, m_options, m_unit, m_unit != m_openedUnit);
    return true;
}

CKeyFunctionDlg::CKeyFunctionDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(161, tr("功能键"), state, ctx, parent) {
    AccessoryKeySetting key;
    key.decode(m_work.image);
    m_code = key.code;
    const bool dualWatch = dr::powerOnDualWatch(m_work.image);
    bindCombo(2250, tr("功能键"), toQStringList(dr::keyFunctionTexts(dualWatch)),
              dr::keyFunctionEntry(m_code, dualWatch),
              [this, dualWatch](int i) { m_code = dr::keyFunctionCode(i, dualWatch); });
}

bool CKeyFunctionDlg::onOk() {
    // Leaving bank B resets every channel's type and scan membership: only after the user agreed.
    if (dr::keyFunctionResetsChannels(m_code, m_bank) &&
        !confirmOk(this, m_ctx.prompter, msg::kKeyFunctionResetsChannels))
        return false;
    dr::writeKeyFunction(m_work, m_code, m_bank);
    return true;
}

CMarketNumberDlg::CMarketNumberDlg(const ImageState& state, const DialogContext& ctx,
                                   QWidget* parent)
    : CImageSettingsDialog(163, tr("市场编号"), state, ctx, parent) {
    SerialNumber serial;
    serial.decode(m_work.image);
    m_serial = serial.digits;
    auto* edit = bindEdit(2400, tr("产品序列号"), CFieldEdit::kDtmf, 6, [this](const QString& t) {
        m_serial = padSerialNumber(t.toUpper().toStdString());
        return QString::fromStdString(m_serial);
    });
    edit->Enable(ctx.maintenanceMode);
    edit->setText(QString::fromStdString(m_serial).leftJustified(6));
}

bool CMarketNumberDlg::onOk() {
    m_work.serialNumber.digits = m_serial;
    m_work.serialNumber.encode(m_work.image);
    return true;
}

COtherFunctionsDlg::COtherFunctionsDlg(const ImageState& state, const DialogContext& ctx,
                                       QWidget* parent)
    : CImageSettingsDialog(164, tr("其它功能"), state, ctx, parent), m_offset(state.localOffset) {
    setOkButtonText(tr("确定"));
    m_functions.decode(m_work.image);
    AccessoryKeySetting key;
    key.decode(m_work.image);
    m_keyCode = key.code;
    auto* edit =
        bindEdit(2520, tr("默认差频"), CFieldEdit::kSignedDecimal, 5, [this](const QString& t) {
            m_offset = dr::clampLocalOffset(dr::leadingNumber(t.toStdString()));
            return QString::fromStdString(dr::formatLocalOffset(m_offset));
        });
    edit->setText(QString::fromStdString(dr::formatLocalOffset(m_offset)));
    bindFieldCombos({
        {2500, tr("开机DW"), toQStringList(kDisabledEnabledTexts), &m_functions.powerOnDualWatch},
        {2501, tr("发射延迟"), {tr("off      "), tr("300 msecs")}, &m_functions.transmitDelay},
        {2502, tr("闹铃"), {tr("Off"), tr("On ")}, &m_functions.alarm},
        {2503, tr("照明模式"), toQStringList(kEnabledDisabledTexts), &m_functions.lampMode},
        {2504, tr("监听"), toQStringList(kDisabledEnabledTexts), &m_functions.monitor},
        {2505, tr("附加功能键提示音"), toQStringList(kEnabledDisabledTexts), &m_functions.keyBeep},
    });
}

bool COtherFunctionsDlg::onOk() {
    dr::writeOtherFunctions(m_work.image, m_functions, m_keyCode);
    m_work.localOffset = m_offset;
    return true;
}

// ---- channel type

CChannelTypeDlg::CChannelTypeDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(192, tr("信道类型"), state, ctx, parent) {
    setOkButtonText(tr("确定"));
    auto* title = new QLabel(text(dr::bankTitle(m_bank)), this);
    setControlId(title, 3729);
    grid()->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    const auto types = toQStringList(dr::channelTypeTexts());
    for (int i = 0; i < 8; ++i) {
        const auto& e =
            m_work.channels.entries[static_cast<std::size_t>(m_bank * kChannelsPerBank + i)];
        m_rows[static_cast<std::size_t>(i)] = addCombo(3701 + i, tr("&%1").arg(i + 1), types);
        fillCombo(m_rows[static_cast<std::size_t>(i)], types, e.channelType);
    }
}

bool CChannelTypeDlg::onOk() {
    std::array<int, 8> types{};
    for (std::size_t i = 0; i < types.size(); ++i)
        types[i] = m_rows[i]->currentIndex();
    dr::writeChannelTypes(m_work, m_bank, types);
    return true;
}

} // namespace mz58
