// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAboutDlg.h"

#include "ControlId.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "UiText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace mz58 {

namespace {

constexpr StringId kVersionFormat = 1006;
constexpr StringId kVersionNumber = 120;

QFont typewriterFont(int pointSize) {
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("关于"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    auto addLine = [&](int id, const QString& text) {
        auto* label = new QLabel(text, this);
        setControlId(label, id);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        layout->addWidget(label);
        return label;
    };

    const std::array<std::string, 1> version{uiText(kVersionNumber).toStdString()};
    addLine(kIdVersion, uiMessage(kVersionFormat, version))->setFont(typewriterFont(24));
    addLine(kIdProduct, tr("QM-610 编程软件"))->setFont(typewriterFont(10));
    addLine(kIdPurpose, tr("读取电台的信道和参数, 在电脑上编辑, 再写回电台."));
    addLine(kIdHelpHint, tr("按 F1 打开帮助主题."));
    QLabel* licence = addLine(
        kIdLicence, tr("Copyright © 2026 The MZ58Win developers.\n"
                       "This program is free software under the GNU General Public License, "
                       "version 3 or any later version (GPL-3.0-or-later). It comes with "
                       "ABSOLUTELY NO WARRANTY."));
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    auto* ok = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    setControlId(ok, kIdOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->setCenterButtons(true);
    layout->addWidget(buttons);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { showHelpTopic(this, help::kAbout); });
}

} // namespace mz58
