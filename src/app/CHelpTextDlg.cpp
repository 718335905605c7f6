// SPDX-License-Identifier: GPL-3.0-or-later
#include "CHelpTextDlg.h"

#include "ControlId.h"
#include "HelpTopics.h"
#include "HelpWindow.h"
#include "UiText.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <span>

namespace mz58 {

namespace {

// A piece of a help text: a string-table entry, or (id 0) the line breaks between entries.
struct Piece {
    StringId id;
    const char* breaks = "";
};
constexpr Piece kParagraph{0, "\r\n\r\n"};
constexpr Piece kLine{0, "\r\n"};

constexpr Piece kGettingStartedText[] = {
    {100},      {101}, {102}, kParagraph, {103},      kParagraph, {104}, {105}, {106},
    kParagraph, {107}, {108}, {109},      kParagraph, {110},      {111}, {112},
};
constexpr Piece kProgrammingProblemsText[] = {
    {121}, kParagraph, {122}, kLine, {123}, {124}, {125}, {126}, kLine,
    {127}, {129},      {130}, {131}, {132}, kLine, {133}, {134},
};

} // namespace

QString CHelpTextDlg::helpText(Mode mode) {
    QString text;
    const std::span<const Piece> pieces = mode == GettingStarted
                                              ? std::span<const Piece>(kGettingStartedText)
                                              : std::span<const Piece>(kProgrammingProblemsText);
    for (const Piece& piece : pieces)
        text += piece.id ? uiText(piece.id) : QString::fromLatin1(piece.breaks);
    return text;
}

CHelpTextDlg::CHelpTextDlg(Mode mode, QWidget* parent) : QDialog(parent), m_mode(mode) {
    setWindowTitle(mode == GettingStarted ? tr("Get Started") : tr("Common Proglams"));

    auto* text = new QPlainTextEdit(this);
    setControlId(text, kIdText);
    text->setReadOnly(true);
    text->setAccessibleName(windowTitle());
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The texts come with Windows line ends; the edit wants plain ones.
    text->setPlainText(helpText(mode).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    const QFontMetrics metrics(text->font());
    text->setMinimumSize(metrics.horizontalAdvance(QString(62, QLatin1Char('M'))) +
                             text->verticalScrollBar()->sizeHint().width(),
                         22 * metrics.lineSpacing());

    auto* ok = new QPushButton(tr("确定"), this);
    setControlId(ok, kIdOk);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        showHelpTopic(this, m_mode == GettingStarted ? help::kGettingStarted
                                                     : help::kProgrammingProblems);
    });

    text->setFocus();

    auto* side = new QVBoxLayout;
    side->addWidget(ok);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(side);
}

} // namespace mz58
