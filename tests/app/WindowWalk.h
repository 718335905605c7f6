// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user meets in the window application: every dialog it opens, and every text a
// window shows. Shared by the language, keyboard and accessibility tests.

#include "CAboutDlg.h"
#include "CFileDataDlg.h"
#include "CHelpTextDlg.h"
#include "CPasswordDlg.h"
#include "CSelectionListDlg.h"
#include "ChannelEditing.h"
#include "SettingsDialogs.h"
#include "SignallingDialogs.h"
#include "TestImages.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <vector>

namespace mz58::test {

// Chinese characters (and full-width forms) in a text.
inline bool hasCjk(const QString& text) {
    static const QRegularExpression cjk(
        QStringLiteral("[\\x{3000}-\\x{303f}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(cjk);
}

// Every text a window shows or a screen reader says: its title, labels, buttons, list entries,
// fields, tips, accessible names and descriptions, item views with their headers, and menus.
inline QStringList visibleTexts(QWidget* root) {
    QStringList texts{root->windowTitle()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w != root && !w->isVisibleTo(root))
            continue;
        texts << w->toolTip() << w->statusTip() << w->accessibleName()
              << w->accessibleDescription();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->text() << edit->placeholderText();
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            texts << text->toPlainText();
        if (auto* text = qobject_cast<QTextEdit*>(w))
            texts << text->toPlainText() << text->documentTitle();
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel* model = view->model();
            for (int c = 0; c < model->columnCount(); ++c) {
                texts << model->headerData(c, Qt::Horizontal).toString()
                      << model->headerData(c, Qt::Horizontal, Qt::AccessibleTextRole).toString();
                for (int r = 0; r < model->rowCount(); ++r) {
                    const QModelIndex cell = model->index(r, c);
                    texts << cell.data().toString() << cell.data(Qt::AccessibleTextRole).toString();
                }
            }
        }
        for (QAction* action : w->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
    texts.removeAll(QString());
    return texts;
}

// The texts of a menu and its submenus, as "Menu > Entry" paths.
inline void collectMenuTexts(QMenu* menu, const QString& path, QStringList& out) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString entry = path + QStringLiteral(" > ") + action->text();
        out << entry << action->toolTip() << action->statusTip();
        if (action->menu())
            collectMenuTexts(action->menu(), entry, out);
    }
}

// One window a user can open: its name and how to run it modally over `parent`.
struct DialogCase {
    const char* name;
    std::function<void(QWidget* parent)> run;
};

// Every dialog of the window application, opened on states that enable all of its controls
// (maintenance mode; the option unit that shows a signalling dialog's fields).
inline std::vector<DialogCase> everyDialog() {
    using Runner = DialogOutcome (*)(QWidget*, const ImageState&, const DialogContext&);
    std::vector<DialogCase> cases;
    const std::pair<const char*, Runner> settings[] = {{"hardware", runHardwareDialog},
                                                       {"scan", runScanDialog},
                                                       {"power save", runPowerSaveDialog},
                                                       {"options", runOptionsDialog},
                                                       {"key function", runKeyFunctionDialog},
                                                       {"market number", runMarketNumberDialog},
                                                       {"other functions", runOtherFunctionsDialog},
                                                       {"channel type", runChannelTypeDialog}};
    for (const auto& [name, run] : settings) {
        cases.push_back({name, [run](QWidget* parent) {
                             DialogContext maintenance;
                             maintenance.maintenanceMode = true;
                             (void)run(parent, stateWithCallCodes(), maintenance);
                         }});
    }
    const std::tuple<const char*, Runner, int> signalling[] = {
        {"ANI", runAniDialog, 0},
        {"DTMF", runDtmfDialog, 0},
        {"paging codes", runPagingCodeDialog, 0},
        {"2-tone parameters", runTwoToneParamDialog, OptionUnit::k2Tone},
        {"2-tone table", runTwoToneTableDialog, OptionUnit::k2Tone}};
    for (const auto& [name, run, unit] : signalling) {
        cases.push_back({name, [run = run, unit = unit](QWidget* parent) {
                             (void)run(parent, stateWithCallCodes(unit), {});
                         }});
    }
    cases.push_back({"COM port", [](QWidget* parent) {
                         int port = 1;
                         ComPortMap ports;
                         (void)runComPortDialog(parent, port, ports);
                     }});
    cases.push_back({"column display", [](QWidget* parent) {
                         std::array<int, kColumnGroupCount> flags{};
                         flags.fill(1);
                         (void)runColumnDisplayDialog(parent, flags);
                     }});
    cases.push_back({"about", [](QWidget* parent) { CAboutDlg(parent).exec(); }});
    cases.push_back({"getting started", [](QWidget* parent) {
                         CHelpTextDlg(CHelpTextDlg::GettingStarted, parent).exec();
                     }});
    cases.push_back({"programming problems", [](QWidget* parent) {
                         CHelpTextDlg(CHelpTextDlg::ProgrammingProblems, parent).exec();
                     }});
    cases.push_back(
        {"file data", [](QWidget* parent) { CFileDataDlg(freshState().image, parent).exec(); }});
    cases.push_back({"password", [](QWidget* parent) { CPasswordDlg(parent).exec(); }});
    cases.push_back(
        {"DCS list", [](QWidget* parent) {
             ChannelEntry dcs;
             dcs.toneType = kToneDcs;
             CSelectionListDlg(selectionList(dcs, Column::DecodeTone, {}), parent).exec();
         }});
    return cases;
}

// Runs `inspect` on the modal dialog that `open` shows, then closes it.
inline void inspectDialog(const DialogCase& dialog, QWidget* parent,
                          const std::function<void(QDialog*)>& inspect) {
    QTimer::singleShot(0, [inspect] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        QApplication::processEvents();
        inspect(d);
        d->reject();
    });
    dialog.run(parent);
}

} // namespace mz58::test
