// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AniSettings.h"
#include "RadioSettingsDialogs.h"

#include "CallCodeSettings.h"

#include <array>

namespace mz58 {

class CFieldCombo;
class CFieldEdit;

class CAniDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CAniDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    AniSettings m_opened;
    CFieldEdit* m_code;
};

class CDtmfDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CDtmfDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    DtmfSettings m_opened;
};

class CPagingCodeDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CPagingCodeDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    void updateRow(std::size_t row);

    PageCodeTable m_table;
    std::array<CFieldEdit*, kCallCodeCount> m_codes{};
    std::array<CFieldCombo*, kCallCodeCount> m_flags{};
};

class CTwoToneParamDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CTwoToneParamDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);
    bool formatChanged() const { return m_formatChanged; }

protected:
    bool onOk() override;

private:
    TwoToneParams m_opened;
    bool m_formatChanged = false;
};

class CTwoToneTableDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CTwoToneTableDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    struct Row {
        CFieldCombo* group = nullptr;
        std::array<CFieldCombo*, 2> tones{};
        std::array<CFieldEdit*, 2> edits{};
    };
    void showRow(std::size_t r);
    void groupChosen(std::size_t r, int entry);
    void reformatTone(CFieldEdit* edit);

    TwoToneTable m_table;
    std::array<Row, kCallCodeCount> m_rows{};
};

} // namespace mz58
