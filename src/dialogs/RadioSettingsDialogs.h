// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CSettingsDialog.h"
#include "DeviceOptions.h"
#include "FunctionSettings.h"
#include "ScanSettings.h"
#include "SettingsDialogs.h"

#include <QPointer>

class QLabel;

namespace mz58 {

class CFieldCombo;
class CFieldEdit;

// A settings dialog on a copy of the document's image state; OK leaves in `work()` what the
// caller takes over.
class CImageSettingsDialog : public CSettingsDialog {
    Q_OBJECT
public:
    CImageSettingsDialog(int resourceId, const QString& caption, const ImageState& state,
                         const DialogContext& ctx, QWidget* parent);
    const ImageState& work() const { return m_work; }
    int currentBank() const { return m_bank; }

protected:
    // A combo whose user choice stores the entry through `store`.
    CFieldCombo* bindCombo(int id, const QString& label, const QStringList& texts, int entry,
                           std::function<void(int)> store);
    // A combo over an integer field: it shows the field's value and stores the user's choice.
    struct FieldCombo {
        int id;
        QString label;
        QStringList texts;
        int* field;
    };
    void bindFieldCombos(std::initializer_list<FieldCombo> rows);
    // An edit whose committed value (Enter, double-click, focus lost) goes through `take`.
    CFieldEdit* bindEdit(int id, const QString& label, int filter, int maxLength,
                         std::function<QString(const QString&)> take);

    ImageState m_work;
    DialogContext m_ctx;
    int m_bank = 0;
};

class CHardwareDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CHardwareDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);
    bool bandChanged() const { return m_bandChanged; }
    bool changed() const { return m_changed; }

protected:
    bool onOk() override;

private:
    void showFields();
    void bandChosen(int band);

    double m_offset;
    bool m_bandChanged = false;
    bool m_changed = false;
};

class CScanDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CScanDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    ScanSettings m_scan;
};

class CPowerSaveDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CPowerSaveDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    FunctionSettings m_functions;
};

class COptionsDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    COptionsDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    void showFields();

    DeviceOptions m_options;
    int m_unit;
    int m_openedUnit;
};

class CKeyFunctionDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CKeyFunctionDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    int m_code;
};

class CMarketNumberDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CMarketNumberDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    std::string m_serial;
};

class COtherFunctionsDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    COtherFunctionsDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    FunctionSettings m_functions;
    int m_keyCode;
    double m_offset;
};

class CChannelTypeDlg : public CImageSettingsDialog {
    Q_OBJECT
public:
    CChannelTypeDlg(const ImageState& state, const DialogContext& ctx, QWidget* parent);

protected:
    bool onOk() override;

private:
    std::array<CFieldCombo*, 8> m_rows{};
};

} // namespace mz58
