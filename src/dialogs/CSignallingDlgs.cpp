// SPDX-License-Identifier: GPL-3.0-or-later
#include "CSignallingDlgs.h"

#include "CFieldCombo.h"
#include "CFieldEdit.h"
#include "ControlId.h"
#include "DeviceOptions.h"
#include "SignallingDialogRules.h"
#include "UiText.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>

namespace mz58 {
namespace dr = dialogrules;

namespace {

constexpr StringId kPageCodeRefused = 3321;

// The row label of row r (0..9): "1".."9", then "0".
QString rowDigit(std::size_t r) {
    return QString::number(callCodeDisplayNumber(static_cast<int>(r) + 1));
}

// Shows typed letters in upper case, as the radio's keys are labelled.
void upperCaseStyle(CFieldEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

// A combo's entry as a stored value; no selection keeps `field`.
void takeEntry(const QComboBox* combo, int& field) {
    if (combo->currentIndex() >= 0)
        field = combo->currentIndex();
}

void takeEntry(const QComboBox* combo, std::optional<int>& field) {
    if (field && combo->currentIndex() >= 0)
        field = combo->currentIndex();
}

bool dtmfAbsent(const RadioImage& image) {
    DeviceOptions options;
    options.decode(image);
    return options.dtmfAbsent != 0;
}

} // namespace

// ---- ANI

CAniDlg::CAniDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(149, tr("ANI设置"), state, ctx, parent) {
    m_opened.decode(m_work.image);
    fillCombo(addCombo(3001, tr("ANI发射")), toQStringList(dr::kAniMethodTexts), m_opened.method);
    fillCombo(addCombo(3002, tr("ANI延迟")), toQStringList(dr::kAniDelayTexts), m_opened.delay);
    fillCombo(addCombo(3003, tr("ANI速度")), toQStringList(dr::kAniSpeedTexts), m_opened.speed);
    m_code =
        addEdit(3004, tr("ANI编码"), CFieldEdit::kDtmf, static_cast<int>(AniSettings::kMaxDigits));
    upperCaseStyle(m_code);
    m_code->setText(QString::fromStdString(m_opened.code));
    m_code->SetIdle();
    m_code->committed = false;
}

bool CAniDlg::onOk() {
    AniSettings ani = m_opened;
    takeEntry(findControl<QComboBox>(this, 3001), ani.method);
    takeEntry(findControl<QComboBox>(this, 3002), ani.delay);
    takeEntry(findControl<QComboBox>(this, 3003), ani.speed);
    if (m_code->committed)
        ani.code = dr::aniCodeOfText(m_code->text().toStdString());
    dr::writeAni(m_work.image, ani);
    return true;
}

// ---- DTMF

CDtmfDlg::CDtmfDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(130, tr("DTMF设置"), state, ctx, parent) {
    m_opened.decode(m_work.image);
    const auto enabled = dr::dtmfFieldsEnabled(dtmfAbsent(m_work.image), m_work.optionUnit.type);
    const std::array combos = {
        addCombo(3101, tr("DTMF速度")),
        addCombo(3102, tr("回叫")),
        addCombo(3103, tr("呼叫次数")),
    };
    fillCombo(combos[0], toQStringList(dr::kDtmfSpeedTexts), m_opened.speed);
    fillCombo(combos[1], toQStringList(dr::kOffOnTexts), m_opened.answerBack);
    fillCombo(combos[2], toQStringList(dr::kCallCountTexts), m_opened.callCount);
    for (std::size_t i = 0; i < combos.size(); ++i)
        combos[i]->setEnabled(enabled[i]);
}

bool CDtmfDlg::onOk() {
    DtmfSettings dtmf = m_opened;
    takeEntry(findControl<QComboBox>(this, 3101), dtmf.speed);
    takeEntry(findControl<QComboBox>(this, 3102), dtmf.answerBack);
    takeEntry(findControl<QComboBox>(this, 3103), dtmf.callCount);
    dtmf.encode(m_work.image, m_work.optionUnit.type);
    return true;
}

// ---- page codes

CPagingCodeDlg::CPagingCodeDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent)
    : CImageSettingsDialog(133, tr("呼叫码"), state, ctx, parent) {
    m_table.decode(m_work.image);
    const bool absent = dtmfAbsent(m_work.image);
    const auto flags = toQStringList(dr::kPageFlagTexts);
    for (std::size_t r = 0; r < kCallCodeCount; ++r) {
        const int id = 3301 + static_cast<int>(r);
        auto* edit = addEdit(id, tr("PAGE  &%1").arg(rowDigit(r)), CFieldEdit::kDigitsAD,
                             static_cast<int>(PageCodeTable::kCodeLength));
        upperCaseStyle(edit);
        auto* combo = new CFieldCombo(this);
        registerControl(combo, id + 10);
        grid()->addWidget(combo, grid()->rowCount() - 1, 2);
        m_codes[r] = edit;
        m_flags[r] = combo;
        edit->setText(QString::fromStdString(m_table.entries[r].code));
        edit->SetIdle();
        edit->committed = false;
        fillCombo(combo, flags, m_table.entries[r].encodeAndDecode ? 1 : 0);
        updateRow(r);
        connect(edit, &QLineEdit::textChanged, this, [this, r] { updateRow(r); });
        if (absent) {
            edit->SetDisabled();
            combo->setEnabled(false);
        }
    }
}

void CPagingCodeDlg::updateRow(std::size_t row) {
    const bool empty = m_codes[row]->text().isEmpty();
    if (empty)
        fillCombo(m_flags[row], toQStringList(dr::kPageFlagTexts), 0);
    m_flags[row]->setEnabled(!empty && m_codes[row]->isEnabled());
}

bool CPagingCodeDlg::onOk() {
    dr::PageRows rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (m_codes[r]->committed)
            rows[r].typed = m_codes[r]->text().toStdString();
        rows[r].flag = m_flags[r]->currentIndex();
    }
    PageCodeTable table = m_table;
    const auto result = dr::writePageCodes(m_work, table, rows);
    if (!result.written) {
        const std::string row = rowDigit(static_cast<std::size_t>(result.refusedRow)).toStdString();
        if (m_ctx.prompter)
            m_ctx.prompter->ask(kPageCodeRefused, {&row, 1}, Buttons::Ok, Icon::Warning);
        else
            QMessageBox::warning(this, windowTitle(), uiMessage(kPageCodeRefused, {&row, 1}));
        m_codes[static_cast<std::size_t>(result.refusedRow)]->setFocus();
        return false;
    }
    m_table = table;
    return true;
}

// ---- 2-tone parameters

CTwoToneParamDlg::CTwoToneParamDlg(const ImageState& state, const DialogContext& ctx,
                                   QWidget* parent)
    : CImageSettingsDialog(134, tr("双重2音码参数"), state, ctx, parent) {
    m_opened.decode(m_work.image, m_work.optionUnit.type);
    fillCombo(addCombo(3401, tr("自动复位")), toQStringList(dr::kOffOnTexts),
              m_opened.autoReset.value_or(-1));
    fillCombo(addCombo(3402, tr("群呼")), toQStringList(dr::kGroupCallTexts),
              m_opened.groupCall.value_or(-1));
    fillCombo(addCombo(3403, tr("呼叫次数")), toQStringList(dr::kCallCountTexts),
              m_opened.callCount);
    fillCombo(addCombo(3404, tr("Tone格式")), toQStringList(dr::kTwoToneFormatTexts),
              m_work.twoToneUserDefined ? 1 : 0);
}

bool CTwoToneParamDlg::onOk() {
    TwoToneParams params = m_opened;
    takeEntry(findControl<QComboBox>(this, 3401), params.autoReset);
    takeEntry(findControl<QComboBox>(this, 3402), params.groupCall);
    takeEntry(findControl<QComboBox>(this, 3403), params.callCount);
    const int format = findControl<QComboBox>(this, 3404)->currentIndex();
    const bool userDefined = format < 0 ? m_work.twoToneUserDefined : format == 1;
    m_formatChanged = dr::writeTwoToneParams(m_work, params, userDefined);
    return true;
}

// ---- 2-tone table

CTwoToneTableDlg::CTwoToneTableDlg(const ImageState& state, const DialogContext& ctx,
                                   QWidget* parent)
    : CImageSettingsDialog(148, tr("2音码编辑"), state, ctx, parent) {
    setOkButtonText(tr("确定"));
    m_table.decode(m_work.image, m_work.twoToneUserDefined);
    const bool user = m_work.twoToneUserDefined;
    int column = 1;
    for (const QString& head : {tr("Group"), tr("1st"), tr("2nd")})
        grid()->addWidget(new QLabel(head, this), 0, column++, Qt::AlignHCenter);
    const auto groups = toQStringList(dr::twoToneGroupTexts(user));
    for (std::size_t r = 0; r < kCallCodeCount; ++r) {
        const int base = 3501 + 5 * static_cast<int>(r);
        Row& row = m_rows[r];
        row.group = addCombo(base, tr(" &%1").arg(rowDigit(r)));
        const int line = grid()->rowCount() - 1;
        for (std::size_t t = 0; t < 2; ++t) {
            row.tones[t] = new CFieldCombo(this);
            registerControl(row.tones[t], base + 1 + static_cast<int>(t));
            row.edits[t] = new CFieldEdit(this);
            row.edits[t]->filterMode = CFieldEdit::kDigits;
            row.edits[t]->maxLength = 3;
            registerControl(row.edits[t], base + 3 + static_cast<int>(t));
            grid()->addWidget(row.tones[t], line, 2 + static_cast<int>(t));
            grid()->addWidget(row.edits[t], line, 2 + static_cast<int>(t));
            auto* edit = row.edits[t];
            connect(edit, &CFieldEdit::focusLost, this, [this, edit] { reformatTone(edit); });
            connect(edit, &CFieldEdit::enterPressed, this, [this, edit] {
                if (edit->idle())
                    reformatTone(edit);
            });
        }
        fillCombo(row.group, groups, dr::twoToneGroupEntry(m_table.entries[r], user));
        connect(row.group, &QComboBox::activated, this,
                [this, r](int entry) { groupChosen(r, entry); });
        showRow(r);
    }
}

void CTwoToneTableDlg::showRow(std::size_t r) {
    const Row& row = m_rows[r];
    const TwoToneCode& code = m_table.entries[r];
    const bool user = m_work.twoToneUserDefined;
    const std::array tones = {code.tone1, code.tone2};
    for (std::size_t t = 0; t < 2; ++t) {
        row.tones[t]->setVisible(!user);
        row.edits[t]->setVisible(user);
        if (user) {
            row.tones[t]->setEnabled(false);
            row.edits[t]->setText(code.group == kTwoToneOff
                                      ? QString()
                                      : QString::fromStdString(dr::toneNumberText(tones[t])));
            row.edits[t]->Enable(code.group != kTwoToneOff);
            row.edits[t]->committed = false;
        } else {
            row.edits[t]->SetDisabled();
            fillCombo(row.tones[t], toQStringList(dr::twoToneToneTexts(code.group)),
                      static_cast<int>(tones[t]));
            row.tones[t]->setEnabled(code.group != kTwoToneOff);
        }
    }
}

void CTwoToneTableDlg::groupChosen(std::size_t r, int entry) {
    const Row& row = m_rows[r];
    for (std::size_t t = 0; t < 2; ++t) {
        if (m_work.twoToneUserDefined) {
            if (entry == 0) {
                row.edits[t]->SetDisabled();
                continue;
            }
            if (row.edits[t]->text().isEmpty())
                row.edits[t]->setText(QString::fromStdString(dr::toneNumberText(dr::kNewUserTone)));
            row.edits[t]->SetIdle();
        } else {
            fillCombo(row.tones[t], toQStringList(dr::twoToneToneTexts(entry)), 0);
            row.tones[t]->setEnabled(entry != kTwoToneOff);
        }
    }
}

void CTwoToneTableDlg::reformatTone(CFieldEdit* edit) {
    if (!edit->isEnabled())
        return;
    const unsigned tone = dr::toneNumberOfText(edit->text().toStdString());
    edit->setText(QString::fromStdString(dr::toneNumberText(tone)));
}

bool CTwoToneTableDlg::onOk() {
    dr::TwoToneRows rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Row& row = m_rows[r];
        rows[r].group = row.group->currentIndex();
        rows[r].tone1 = row.tones[0]->currentIndex();
        rows[r].tone2 = row.tones[1]->currentIndex();
        rows[r].edit1 = {row.edits[0]->text().toStdString(), row.edits[0]->committed};
        rows[r].edit2 = {row.edits[1]->text().toStdString(), row.edits[1]->committed};
    }
    dr::writeTwoToneTable(m_work, m_table, rows);
    return true;
}

} // namespace mz58
