// SPDX-License-Identifier: GPL-3.0-or-later
// The channel view's work on whole channels and blocks of cells: the channel operations of the
// Edit menu and the context menu, the block paste, and the columns' widths.
#include "CMZ58View.h"

#include "ChannelGridModel.h"
#include "ChannelTableView.h"
#include "GroupHeaderView.h"
#include "UiText.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>

#include <vector>

namespace mz58 {
namespace {

struct RowCommand {
    RowOperation operation;
    const char* text;     // translation source, context mz58::CMZ58View
    const char* shortcut; // portable key text; empty for none
    StringId stepName;    // %1 the channel, %2 the other one
};

// Delete on the "Chn" cell clears the channel; the grid's key handler does that, since Delete
// elsewhere means nothing.
constexpr RowCommand kRowCommands[kRowOperationCount] = {
    {RowOperation::Clear, QT_TRANSLATE_NOOP("mz58::CMZ58View", "C&lear channel\tDel"), "",
     msg::kStepClearChannel},
    {RowOperation::Insert, QT_TRANSLATE_NOOP("mz58::CMZ58View", "&Insert channel"), "Ins",
     msg::kStepInsertChannel},
    {RowOperation::Delete, QT_TRANSLATE_NOOP("mz58::CMZ58View", "&Delete channel"), "Ctrl+Del",
     msg::kStepDeleteChannel},
    {RowOperation::MoveUp, QT_TRANSLATE_NOOP("mz58::CMZ58View", "Move channel &up"), "Ctrl+Up",
     msg::kStepMoveChannelUp},
    {RowOperation::MoveDown, QT_TRANSLATE_NOOP("mz58::CMZ58View", "Move channel dow&n"),
     "Ctrl+Down", msg::kStepMoveChannelDown},
    {RowOperation::SwapOtherBank, QT_TRANSLATE_NOOP("mz58::CMZ58View", "&Swap with the other bank"),
     "Ctrl+Shift+B", msg::kStepSwapChannels},
    {RowOperation::CopyToOtherBank, QT_TRANSLATE_NOOP("mz58::CMZ58View", "C&opy to the other bank"),
     "Ctrl+Shift+D", msg::kStepCopyToOtherBank},
};

int otherBankChannel(int channel) {
    return (channel + kChannelsPerBank) % kChannelCount;
}

// The widest text a column shows (its values are short, fixed forms).
QString widestValue(Column column) {
    switch (column) {
    case Column::Channel:
        return QStringLiteral("  8");
    case Column::Receive:
    case Column::Transmit:
        return QStringLiteral("888.88888");
    case Column::ToneType:
        return QStringLiteral("CTCSS");
    case Column::DecodeTone:
    case Column::EncodeTone:
        return QStringLiteral("250.3");
    case Column::Squelch:
        return QStringLiteral("12");
    case Column::BusyLockout:
        return QStringLiteral("BT");
    default:
        return QStringLiteral("W");
    }
}

} // namespace

void CMZ58View::createChannelActions() {
    for (const RowCommand& command : kRowCommands) {
        auto* action = new QAction(tr(command.text), this);
        action->setProperty("sourceText", QByteArray(command.text)); // for a change of language
        if (command.shortcut[0] != '\0')
            action->setShortcut(
                QKeySequence(QString::fromLatin1(command.shortcut), QKeySequence::PortableText));
        // The keys work while the grid (or anything else in the view) has the focus.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setStatusTip(action->text().section(u'\t', 0, 0).remove(u'&'));
        const RowOperation operation = command.operation;
        connect(action, &QAction::triggered, this,
                [this, operation] { runRowOperation(operation); });
        addAction(action);
        m_rowActions[static_cast<std::size_t>(operation)] = action;
    }
}

QList<QAction*> CMZ58View::channelActions() const {
    return {m_rowActions.begin(), m_rowActions.end()};
}

// The channel operations need a current channel; copy needs a cell.
void CMZ58View::updateChannelActions() {
    const bool current = m_grid->currentIndex().isValid();
    for (QAction* action : m_rowActions)
        action->setEnabled(current);
    m_copyAction->setEnabled(current || m_grid->selectionModel()->hasSelection());
}

void CMZ58View::runRowOperation(RowOperation operation) {
    commitEditor();
    if (!m_grid->currentIndex().isValid())
        return;
    const int channel = currentChannel();
    const Column column = currentColumn();
    const auto& entries = m_doc.state().channels.entries;
    if (operation == RowOperation::Insert && insertDropsChannelInUse(entries, channel)) {
        const int last = channel / kChannelsPerBank * kChannelsPerBank + kChannelsPerBank - 1;
        const std::array<std::string, 1> args{bankChannelLabel(last)};
        const Answer answer =
            m_prompter->ask(msg::kAskDropLastChannel, args, Buttons::YesNo, Icon::Question);
        m_grid->setFocus();
        if (answer != Answer::Yes)
            return;
    }
    auto next = entries;
    const RowResult result = applyRowOperation(next, operation, channel, m_doc.state().hardware);
    if (!result.done) {
        refuse(result.why);
        return;
    }
    const RowCommand& command = kRowCommands[static_cast<std::size_t>(operation)];
    const int other = operation == RowOperation::MoveUp || operation == RowOperation::MoveDown
                          ? result.current
                          : otherBankChannel(channel);
    const EditName name{command.stepName, {bankChannelLabel(channel), bankChannelLabel(other)}};
    const EditPlace where{bank(), result.current, static_cast<int>(column)};
    const bool changed = m_doc.edit(name, where, kHintNothing,
                                    [&](ImageState& state) { state.channels.entries = next; });
    if (!changed) {
        say(uiMessage(
            UserMessage{msg::kNoRowChange, {bankChannelLabel(channel)}, {}, Icon::Warning}));
        return;
    }
    showPlace(where);
}

// A block of cells from the current cell on: rows on the bank's following channels, cells on the
// shown columns from the current one. All or nothing, as one step.
void CMZ58View::pasteBlock(const CellBlock& block) {
    const int first = currentChannel();
    const Column firstColumn = currentColumn();
    std::vector<Column> columns;
    for (int c = static_cast<int>(firstColumn); c < kColumnCount; ++c)
        if (!m_grid->isColumnHidden(c))
            columns.push_back(static_cast<Column>(c));
    const int lastChannel = bank() * kChannelsPerBank + m_model->rowCount() - 1;
    auto entries = m_doc.state().channels.entries;
    const BlockPasteResult result = pasteCellBlock(entries, block, first, lastChannel, columns,
                                                   EditContext::fromState(m_doc.state()));
    const int optionUnit = m_doc.state().optionUnit.type;
    QString said;
    if (result.why) {
        said = uiMessage(*result.why);
        if (result.cell)
            said = uiMessage(UserMessage{
                msg::kCellRefused,
                {bankChannelLabel(result.cell->first),
                 std::string(columnCaption(result.cell->second, optionUnit)), said.toStdString()},
                {},
                Icon::Warning});
    }
    if (!result.done) {
        QApplication::beep();
        say(said);
        emit refused();
        return;
    }
    const EditName name{
        msg::kStepBlockPaste,
        {std::to_string(first + 1), std::string(columnCaption(firstColumn, optionUnit))}};
    m_doc.edit(name, place(), kHintNothing,
               [&](ImageState& state) { state.channels.entries = entries; });
    if (!said.isEmpty()) {
        QApplication::beep();
        say(said);
    }
    // The pasted block stays selected.
    const int rows = static_cast<int>(block.size());
    std::size_t width = 0;
    for (const auto& row : block)
        width = std::max(width, row.size());
    if (width > 0 && width <= columns.size()) {
        const int top = m_grid->currentIndex().row();
        const QItemSelection pasted(
            m_model->index(top, static_cast<int>(firstColumn)),
            m_model->index(top + rows - 1, static_cast<int>(columns[width - 1])));
        m_grid->selectionModel()->select(pasted, QItemSelectionModel::ClearAndSelect);
    }
}

void CMZ58View::setUserColumnWidths(const ColumnWidths& widths) {
    m_userWidths = widths;
    applyColumnWidths();
}

// Wide enough for the column's caption, its group's caption shared with its neighbours and its
// widest value, in the font on screen (so in any language).
int CMZ58View::fittingColumnWidth(Column column) const {
    int& fitted = m_fittingWidths[static_cast<std::size_t>(column)];
    if (fitted == 0)
        fitted = measureColumnWidth(column);
    return fitted;
}

int CMZ58View::measureColumnWidth(Column column) const {
    const QFontMetrics cells = m_grid->fontMetrics();
    const QFontMetrics captions = m_header->fontMetrics();
    const int section = static_cast<int>(column);
    const QString caption =
        m_model->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    int width =
        std::max(cells.horizontalAdvance(widestValue(column)), captions.horizontalAdvance(caption));
    // A group caption is shared by its columns.
    const QString group =
        m_model->headerData(section, Qt::Horizontal, ChannelGridModel::GroupCaptionRole).toString();
    if (!group.isEmpty()) {
        int members = 0;
        for (int c = 0; c < kColumnCount; ++c)
            if (m_model->headerData(c, Qt::Horizontal, ChannelGridModel::GroupCaptionRole)
                    .toString() == group)
                ++members;
        width = std::max(width, (captions.horizontalAdvance(group) + members - 1) / members);
    }
    const int margin = 2 * (m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4);
    return width + margin;
}

} // namespace mz58
