// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMZ58View.h"

#include "CSelectionListDlg.h"
#include "ChannelGridModel.h"
#include "ChannelRowDelegate.h"
#include "ChannelTableView.h"
#include "GroupHeaderView.h"
#include "MessageBoxPrompter.h"
#include "UiText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

namespace mz58 {
namespace {

// The view's margins: the grid and the header end this far inside the view's right and bottom
// edges.
constexpr int kEdgeMargin = 15;
constexpr int kLeftMargin = 10;
constexpr int kTopMargin = 5;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The question of the channel copy.
constexpr StringId kCopyChannelQuestion = 53;

// The untranslated text of a context-menu entry, kept for a change of language.
constexpr const char* kSourceTextProperty = "sourceText";

// The name of an undo step in a cell: "Ch 3 Receive".
EditName cellStepName(StringId id, int channel, Column column, int optionUnitType) {
    return {id, {std::to_string(channel + 1), std::string(columnCaption(column, optionUnitType))}};
}

} // namespace

CMZ58View::CMZ58View(CMZ58Doc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    for (int g = 0; g < kColumnGroupCount; ++g)
        m_groupShown[static_cast<std::size_t>(g)] = columnGroupShownByDefault(g);

    m_headerBox = new QGroupBox(this);
    auto* headerLayout = new QHBoxLayout(m_headerBox);
    headerLayout->addWidget(createHeader());

    m_bankLabel = new QLabel(this);
    m_bankLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont bankFont = m_bankLabel->font();
    bankFont.setBold(true);
    m_bankLabel->setFont(bankFont);

    m_gridBox = new QGroupBox(this);
    m_model = new ChannelGridModel(m_doc.state(), this);
    m_grid = new ChannelTableView(m_gridBox);
    m_header = new GroupHeaderView(ChannelGridModel::GroupCaptionRole, m_grid);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->setHorizontalHeader(m_header);
    connect(m_grid, &ChannelTableView::fixedColumnCreated, this, &CMZ58View::setUpFixedColumn);
    m_grid->setItemDelegate(new ChannelRowDelegate(m_grid));
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    applyFontSizes();
    connect(m_header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (m_applyingWidths || size == 0 || section < 0 || section >= kColumnCount)
            return;
        m_userWidths[static_cast<std::size_t>(section)] =
            size == fittingColumnWidth(static_cast<Column>(section)) ? 0 : size;
        emit columnWidthsChanged();
    });
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setCornerButtonEnabled(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &CMZ58View::showEditMenu);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &CMZ58View::commitEditor);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &CMZ58View::commitEditor);

    // The frequency editor takes digits, points and blanks, nine at most; anything else is
    // dropped without a sound.
    m_editor = new QLineEdit(m_grid->viewport());
    m_editor->setMaxLength(kFrequencyEditorLength);
    m_editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9. ]*")), m_editor));
    m_editor->setAlignment(Qt::AlignCenter);
    m_editor->hide();
    m_editor->installEventFilter(this);

    m_editMenu = new QMenu(this);
    const std::pair<const char*, void (CMZ58View::*)()> editEntries[] = {
        {QT_TR_NOOP("&C复制\tCtrl+C"), &CMZ58View::copy},
        {QT_TR_NOOP("&P粘贴\tCtrl+V"), &CMZ58View::paste}};
    for (const auto& [text, slot] : editEntries) {
        QAction* entry = m_editMenu->addAction(tr(text));
        entry->setProperty(kSourceTextProperty, QByteArray(text)); // for a change of language
        connect(entry, &QAction::triggered, this, slot);
        if (!m_copyAction)
            m_copyAction = entry;
    }
    createChannelActions();
    m_editMenu->addSeparator();
    m_editMenu->addActions(channelActions());
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CMZ58View::updateChannelActions);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMZ58View::updateChannelActions);

    m_ownPrompter = std::make_unique<MessageBoxPrompter>(this);
    m_prompter = m_ownPrompter.get();
    m_chooseFromList = [this](const SelectionList& list) -> std::optional<int> {
        CSelectionListDlg dialog(list, this);
        connect(&dialog, &CSelectionListDlg::helpRequested, this, &CMZ58View::helpRequested);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.chosenPosition();
    };
    auto* gridLayout = new QVBoxLayout(m_gridBox);
    gridLayout->addWidget(m_grid);

    auto* bankRow = new QHBoxLayout;
    bankRow->addStretch();
    bankRow->addWidget(m_bankLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kLeftMargin, kTopMargin, kEdgeMargin, kEdgeMargin);
    layout->setSpacing(2);
    gridLayout->setContentsMargins(4, 4, 4, 4);
    headerLayout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(m_headerBox);
    layout->addLayout(bankRow);
    layout->addWidget(m_gridBox, 1);

    setFocusProxy(m_grid);
    resize(640, 410);
    rebuild();
}

CMZ58View::~CMZ58View() = default;

// The fixed "Chn" column shows the grid's two-row header and answers clicks as the grid does.
void CMZ58View::setUpFixedColumn(QTableView* fixed) {
    fixed->setHorizontalHeader(new GroupHeaderView(ChannelGridModel::GroupCaptionRole, fixed));
    fixed->viewport()->installEventFilter(this);
    fixed->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fixed, &QWidget::customContextMenuRequested, this,
            [this, fixed](const QPoint& position) {
                showEditMenu(
                    m_grid->viewport()->mapFromGlobal(fixed->viewport()->mapToGlobal(position)));
            });
}

// Rows as tight as the text allows, so that all eight channels of a bank show at the smallest
// window size; columns no narrower than two digits.
void CMZ58View::applyFontSizes() {
    const QFontMetrics metrics = m_grid->fontMetrics();
    m_header->setMinimumSectionSize(metrics.horizontalAdvance(QLatin1Char('0')) * 2);
    m_grid->verticalHeader()->setMinimumSectionSize(metrics.height() + 2);
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
}

// Accessibility, a change of language and of font
void CMZ58View::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        m_fittingWidths.fill(0); // captions and fonts decide them
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::FontChange) {
        applyFontSizes();
        applyColumnWidths();
    }
    QWidget::changeEvent(event);
}

void CMZ58View::retranslate() {
    const std::array<QString, HeaderFieldCount> labels = headerLabels();
    for (std::size_t f = 0; f < labels.size(); ++f)
        m_fieldLabels[f]->setText(labels[f]);
    for (QAction* entry : m_editMenu->actions()) {
        const QByteArray source = entry->property(kSourceTextProperty).toByteArray();
        if (!source.isEmpty())
            entry->setText(tr(source.constData()));
    }
    m_model->retranslate();
    refreshHeader();
    updateGridName();
    applyColumnWidths(); // the captions' widths change with the language
}

void CMZ58View::updateGridName() {
    m_grid->setAccessibleName(
        tr("Channels of bank %1")
            .arg(m_model->bank() == kBankB ? QLatin1Char('B') : QLatin1Char('A')));
}
// (end of accessibility)

std::array<QString, CMZ58View::HeaderFieldCount> CMZ58View::headerLabels() {
    return {tr("产品机身号"), tr("工作波段"), tr("产品型号"),
            tr("FW 版本"),    tr("串行口"),   tr("打印机")};
}

// Three columns of equal width (serial number and band; model and firmware; port and printer),
// each with its labels at their own size and the value fields taking the rest.
QWidget* CMZ58View::createHeader() {
    const std::array<QString, HeaderFieldCount> labels = headerLabels();
    auto* header = new QWidget(m_headerBox);
    auto* columns = new QHBoxLayout(header);
    columns->setContentsMargins(0, 0, 0, 0);
    constexpr int kFieldsPerColumn = 2;
    QPalette fieldPalette = header->palette();
    fieldPalette.setColor(QPalette::Base, fieldPalette.color(QPalette::Window));
    for (int k = 0; k < HeaderFieldCount / kFieldsPerColumn; ++k) {
        auto* grid = new QGridLayout;
        grid->setColumnStretch(1, 1);
        for (int row = 0; row < kFieldsPerColumn; ++row) {
            const auto field = static_cast<std::size_t>(k * kFieldsPerColumn + row);
            // Read-only fields rather than selectable labels: the text (a serial number, say)
            // can still be selected and copied, without a rich-text document per field.
            auto* value = new QLineEdit(header);
            value->setReadOnly(true);
            value->setFocusPolicy(Qt::ClickFocus);
            value->setPalette(fieldPalette);
            value->installEventFilter(this);
            value->setFrame(false);
            auto* label = new QLabel(labels[field], header);
            label->setBuddy(value);
            grid->setVerticalSpacing(0);
            m_fieldLabels[field] = label;
            grid->addWidget(label, row, 0);
            grid->addWidget(value, row, 1);
            m_fields[field] = value;
        }
        columns->addLayout(grid, 1);
    }
    return header;
}

void CMZ58View::setHeaderInfo(const HeaderInfo& info) {
    m_info = info;
    refreshHeader();
}

void CMZ58View::onUpdate(int hint) {
    if (hint & kHintBandChange) {
        setBank(kBankA);
        return;
    }
    if (hint & kHintRebuild) {
        // A new or opened document (its history starts afresh) shows bank A.
        if (!m_doc.canUndo() && !m_doc.canRedo() && bank() != kBankA) {
            cancelEditor();
            m_model->setBank(kBankA);
            rebuildView();
            return;
        }
        rebuild();
        return;
    }
    m_model->refreshChangedCells();
    if (hint & kHintHeader)
        refreshHeader();
}

int CMZ58View::bank() const {
    return m_model->bank();
}

void CMZ58View::setBank(int bank) {
    commitEditor();
    m_model->setBank(bank);
    rebuildView();
}

bool CMZ58View::isColumnGroupShown(int group) const {
    return group >= 0 && group < kColumnGroupCount && m_groupShown[static_cast<std::size_t>(group)];
}

void CMZ58View::setColumnGroupShown(int group, bool shown) {
    if (group < 0 || group >= kColumnGroupCount)
        return;
    if (m_groupShown[static_cast<std::size_t>(group)] == shown)
        return;
    m_groupShown[static_cast<std::size_t>(group)] = shown;
    // Only this group's columns change; the others keep their state and width.
    for (int c = 0; c < kColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        if (columnGroup(column) != group)
            continue;
        m_applyingWidths = true;
        m_grid->setColumnHidden(c, !shown);
        if (shown)
            m_grid->setColumnWidth(c, columnWidthPixels(column));
        m_applyingWidths = false;
    }
}

int CMZ58View::currentHelpContext() const {
    const QModelIndex current = m_grid->currentIndex();
    const auto column = static_cast<Column>(current.isValid() ? current.column() : 0);
    return columnHelpContext(column, m_doc.state().optionUnit.type);
}

void CMZ58View::relayout() {
    if (!isVisible())
        return;
    layout()->invalidate();
    layout()->activate();
    m_header->viewport()->update();
}

void CMZ58View::rebuild() {
    // The channels may belong to another document now: a pending edit is dropped.
    cancelEditor();
    m_model->rebuild();
    rebuildView();
}

// Everything a rebuild does besides rereading the channels.
void CMZ58View::rebuildView() {
    m_grid->setUpdatesEnabled(false);
    applyColumnWidths();
    m_bankLabel->setText(fromStd(bankLabelText(m_model->bank())));
    updateGridName();
    refreshHeader();
    m_grid->setCurrentIndex(m_model->index(0, static_cast<int>(Column::Channel)));
    m_grid->horizontalScrollBar()->setValue(0);
    m_grid->setUpdatesEnabled(true);
    updateChannelActions();
}

void CMZ58View::refreshHeader() {
    QString port = fromStd(comPortText(m_info.comPort));
    if (m_info.simulated)
        port = tr("%1（模拟电台）").arg(port);
    const std::array<QString, HeaderFieldCount> values{
        fromStd(m_doc.state().serialNumber.digits),
        fromStd(bandText(m_doc.state().hardware.band)),
        fromStd(modelText()),
        fromStd(firmwareVersionText(m_doc.state().image)),
        port,
        m_info.printerName,
    };
    for (std::size_t f = 0; f < values.size(); ++f) {
        QLineEdit* field = m_fields[f];
        field->setText(values[f]);
        field->setToolTip(values[f].trimmed());
        // The whole value shows, from its first character.
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(values[f].trimmed()) + 8);
        field->setCursorPosition(0);
    }
}

int CMZ58View::columnWidthPixels(Column column) const {
    const int user = m_userWidths[static_cast<std::size_t>(column)];
    return user > 0 ? user : fittingColumnWidth(column);
}

void CMZ58View::applyColumnWidths() {
    m_applyingWidths = true;
    for (int c = 0; c < kColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        const int group = columnGroup(column);
        const bool shown = group == kAlwaysShown || isColumnGroupShown(group);
        m_grid->setColumnHidden(c, !shown);
        if (shown)
            m_grid->setColumnWidth(c, columnWidthPixels(column));
    }
    m_applyingWidths = false;
    m_grid->updateFixedColumn();
}

CMZ58View::KeyAction CMZ58View::keyAction(const QKeyEvent& event, bool inGrid) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event.key() == Qt::Key_F1 && modifiers == Qt::NoModifier && inGrid)
        return KeyAction::Help;
    if (event.key() == Qt::Key_F2 && modifiers == Qt::NoModifier)
        return KeyAction::NextBank;
    if (event.key() == Qt::Key_F9 && modifiers == Qt::ShiftModifier)
        return KeyAction::HexView;
    return KeyAction::None;
}

void CMZ58View::runKeyAction(KeyAction action) {
    switch (action) {
    case KeyAction::Help:
        emit helpRequested(currentHelpContext());
        break;
    case KeyAction::NextBank:
        if (bankKeyFitted(m_doc.state().image))
            setBank(nextBank(bank(), m_doc.state().channels.bankCounts));
        else
            say(uiMessage(msg::kBankKeyNotFitted, {}));
        break;
    case KeyAction::HexView:
        emit hexViewRequested();
        break;
    case KeyAction::None:
        break;
    }
}

// The view's keys win over the main window's shortcuts while the grid (or a header field, which
// takes the focus when its text is selected) has the focus.
bool CMZ58View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor) {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            commitEditor();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_grid->setFocus();
                commitEditor();
                return true;
            }
            if (key == Qt::Key_Escape) {
                cancelEditor();
                return true;
            }
        }
    }
    if (watched == m_grid) {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
                event->accept();
                return true;
            }
        }
        if (event->type() == QEvent::KeyPress && gridKeyPress(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    const QTableView* fixed = m_grid->fixedColumnView();
    if ((watched == m_grid->viewport() || (fixed && watched == fixed->viewport())) &&
        event->type() == QEvent::MouseButtonDblClick)
        return gridMouseDoubleClick(*static_cast<QMouseEvent*>(event),
                                    static_cast<QWidget*>(watched));
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const KeyAction action = keyAction(*static_cast<QKeyEvent*>(event), watched == m_grid);
        if (action != KeyAction::None) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                runKeyAction(action);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CMZ58View::keyPressEvent(QKeyEvent* event) {
    const KeyAction action = keyAction(*event, false);
    if (action == KeyAction::None) {
        QWidget::keyPressEvent(event);
        return;
    }
    runKeyAction(action);
}

// Editing

void CMZ58View::setPrompter(Prompter* prompter) {
    m_prompter = prompter ? prompter : m_ownPrompter.get();
}

void CMZ58View::setListChooser(ListChooser chooser) {
    if (chooser)
        m_chooseFromList = std::move(chooser);
}

int CMZ58View::currentChannel() const {
    const QModelIndex current = m_grid->currentIndex();
    return m_model->channelIndex(current.isValid() ? current.row() : 0);
}

Column CMZ58View::currentColumn() const {
    const QModelIndex current = m_grid->currentIndex();
    return static_cast<Column>(current.isValid() ? current.column() : 0);
}

void CMZ58View::setCurrentCell(int row, Column column) {
    m_grid->setCurrentIndex(m_model->index(row, static_cast<int>(column)));
}

bool CMZ58View::isEditorOpen() const {
    return m_editing;
}

bool CMZ58View::discardEditor() {
    const bool open = m_editing;
    cancelEditor();
    return open;
}

EditPlace CMZ58View::place() const {
    return {bank(), currentChannel(), static_cast<int>(currentColumn())};
}

void CMZ58View::showPlace(const EditPlace& place) {
    if (place.bank != bank())
        setBank(place.bank);
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->channelIndex(row) == place.channel) {
            const int column = place.column >= 0 ? place.column : 0;
            setCurrentCell(row, static_cast<Column>(column));
            break;
        }
    }
}

const ChannelEntry& CMZ58View::currentEntry() const {
    return m_doc.state().channels.entries[static_cast<std::size_t>(currentChannel())];
}

// The keys of the grid; true when the key was handled (not passed on to the grid).
bool CMZ58View::gridKeyPress(QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy)) {
        copy();
        return true;
    }
    if (event.matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    if (!m_grid->currentIndex().isValid())
        return false;
    const Column column = currentColumn();
    const bool frequencyColumn = column == Column::Receive || column == Column::Transmit;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (frequencyColumn)
            openEditorOrSayWhy(fromStd(editorText(currentEntry(), column)), true);
        return false;
    case Qt::Key_Delete:
        if (modifiers != Qt::NoModifier)
            return false;
        if (column == Column::Channel)
            runRowOperation(RowOperation::Clear);
        else
            say(tr("Delete on a Chn cell clears the channel"));
        return true;
    case Qt::Key_F3:
        if (modifiers != Qt::NoModifier)
            return false;
        invertCurrentDcs();
        return true;
    case Qt::Key_Space:
        if (modifiers != Qt::NoModifier)
            return false;
        cycleCurrentCell();
        if (column == Column::Receive && editorOpens(currentEntry(), column))
            openEditor(QStringLiteral(" "), false);
        return true;
    default:
        break;
    }
    const QString text = event.text();
    if (frequencyColumn && text.size() == 1 && text[0].unicode() < 0x80 &&
        !(modifiers & (Qt::ControlModifier | Qt::AltModifier)) && text[0] != QChar('\b') &&
        frequencyCharAccepted(static_cast<char>(text[0].unicode()))) {
        openEditorOrSayWhy(text, false);
        return true;
    }
    return false;
}

bool CMZ58View::gridMouseDoubleClick(QMouseEvent& event, QWidget* viewport) {
    if (event.button() != Qt::LeftButton)
        return false;
    const QModelIndex index = viewport == m_grid->viewport()
                                  ? m_grid->indexAt(event.position().toPoint())
                                  : m_grid->fixedColumnView()->indexAt(event.position().toPoint());
    if (!index.isValid())
        return true;
    m_grid->setCurrentIndex(index);
    const Column column = currentColumn();
    if (column == Column::Receive || column == Column::Transmit) {
        openEditorOrSayWhy(fromStd(editorText(currentEntry(), column)), true);
    } else {
        cycleCurrentCell();
    }
    return true;
}

void CMZ58View::showEditMenu(const QPoint& position) {
    m_editMenu->popup(m_grid->viewport()->mapToGlobal(position));
}

void CMZ58View::cycleCurrentCell() {
    const int channel = currentChannel();
    const Column column = currentColumn();
    ChannelEntry entry = currentEntry();
    const EditContext context = EditContext::fromState(m_doc.state());
    EditResult result = cycleCell(entry, channel, column, context);
    if (result.kind == EditResult::OpenList) {
        const SelectionList list = selectionList(entry, column, context);
        const std::optional<int> chosen = m_chooseFromList(list);
        m_grid->setFocus();
        result = applyListChoice(entry, column, list, chosen);
    }
    applyToChannel(channel, column, entry, result, msg::kStepChange);
}

void CMZ58View::invertCurrentDcs() {
    ChannelEntry entry = currentEntry();
    const EditResult result = invertDcs(entry, currentColumn());
    applyToChannel(currentChannel(), currentColumn(), entry, result, msg::kStepInvertDcs);
}

void CMZ58View::openEditorOrSayWhy(const QString& text, bool selectAll) {
    if (editorOpens(currentEntry(), currentColumn()))
        openEditor(text, selectAll);
    else
        say(uiMessage(UserMessage{
            msg::kNotInUseEditor, {bankChannelLabel(currentChannel())}, {}, Icon::Warning}));
}

void CMZ58View::openEditor(const QString& text, bool selectAll) {
    const QModelIndex current = m_grid->currentIndex();
    m_grid->scrollTo(current);
    m_editChannel = currentChannel();
    m_editColumn = currentColumn();
    m_editor->setGeometry(m_grid->visualRect(current).adjusted(-1, -1, 1, 1));
    m_editor->setText(text);
    if (selectAll)
        m_editor->selectAll();
    else
        m_editor->end(false);
    m_editing = true;
    m_editor->show();
    m_editor->setFocus();
}

// Applies the editor's text to the channel and column the editor was opened on.
void CMZ58View::commitEditor() {
    if (!m_editing)
        return;
    m_editing = false;
    const std::string text = m_editor->text().toStdString();
    if (m_editor->hasFocus())
        m_grid->setFocus();
    m_editor->hide();
    ChannelEntry entry = m_doc.state().channels.entries[static_cast<std::size_t>(m_editChannel)];
    const EditResult result =
        enterFrequency(entry, m_editColumn, text, EditContext::fromState(m_doc.state()));
    applyToChannel(m_editChannel, m_editColumn, entry, result, msg::kStepTyping);
}

void CMZ58View::cancelEditor() {
    if (!m_editing)
        return;
    m_editing = false;
    if (m_editor->hasFocus())
        m_grid->setFocus();
    m_editor->hide();
}

void CMZ58View::applyToChannel(int channel, Column column, const ChannelEntry& entry,
                               const EditResult& result, StringId stepName) {
    if (result.done()) {
        const EditName name =
            cellStepName(stepName, channel, column, m_doc.state().optionUnit.type);
        const EditPlace where{bank(), channel, static_cast<int>(column)};
        m_doc.edit(name, where, kHintNothing, [&](ImageState& next) {
            next.channels.entries[static_cast<std::size_t>(channel)] = entry;
        });
    }
    report(result);
}

// A refusal, or a warning that comes with a done edit: a beep and the reason. An edit that does
// nothing says why, without a beep.
void CMZ58View::report(const EditResult& result) {
    if (result.kind == EditResult::Refused) {
        refuse(result.message);
        return;
    }
    const std::vector<UserMessage> said = result.messages();
    if (said.empty())
        return;
    QStringList texts;
    for (const UserMessage& message : said)
        texts << uiMessage(message);
    if (result.done())
        QApplication::beep();
    say(texts.join(QStringLiteral("; ")));
}

void CMZ58View::refuse(const std::optional<UserMessage>& why) {
    QApplication::beep();
    if (why)
        emit statusMessage(uiMessage(*why));
    emit refused();
}

void CMZ58View::say(const QString& text) {
    emit statusMessage(text);
}

// The selected cells as text: a tab between cells, a carriage return between rows.
QString CMZ58View::selectionText() const {
    QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    if (selected.isEmpty() && m_grid->currentIndex().isValid())
        selected << m_grid->currentIndex();
    if (selected.isEmpty())
        return {};
    int top = selected.front().row(), bottom = top;
    int left = selected.front().column(), right = left;
    for (const QModelIndex& index : selected) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    QStringList rows;
    for (int row = top; row <= bottom; ++row) {
        QStringList cells;
        for (int column = left; column <= right; ++column) {
            if (!m_grid->isColumnHidden(column))
                cells << m_model->index(row, column).data().toString();
        }
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows.join(QLatin1Char('\r'));
}

void CMZ58View::copy() {
    if (m_editing && m_editor->hasFocus()) {
        m_editor->copy();
        return;
    }
    if (!m_grid->hasFocus())
        return;
    const QString text = selectionText();
    QGuiApplication::clipboard()->setText(text);
    // A single "Chn" cell: the channel copy takes this channel while the text stays there.
    const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    const bool oneChannelCell =
        currentColumn() == Column::Channel &&
        (selected.isEmpty() ||
         (selected.size() == 1 && selected.front() == m_grid->currentIndex()));
    if (oneChannelCell)
        m_copiedChannel = CopiedChannel{text.toStdString(), currentChannel()};
    else
        m_copiedChannel.reset();
}

void CMZ58View::paste() {
    if (m_editing && m_editor->hasFocus()) {
        m_editor->paste();
        return;
    }
    if (!m_grid->hasFocus() || !m_grid->currentIndex().isValid())
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) {
        refuse(UserMessage{msg::kClipboardEmpty, {}, {}, Icon::Warning});
        return;
    }
    const CellBlock block = splitCellBlock(text.toStdString());
    if (block.size() > 1 || block.front().size() > 1) {
        pasteBlock(block);
        return;
    }
    if (currentColumn() == Column::Channel) {
        pasteChannelCopy(QString::fromStdString(block.front().front()));
        return;
    }
    ChannelEntry entry = currentEntry();
    const EditResult result = pasteIntoCell(entry, currentColumn(), block.front().front(),
                                            EditContext::fromState(m_doc.state()));
    applyToChannel(currentChannel(), currentColumn(), entry, result, msg::kStepPaste);
}

// Pasting a channel number into "Chn": after asking, copies that channel's shown columns here.
// The text that copy put there names the copied channel, whichever bank is on show now.
void CMZ58View::pasteChannelCopy(const QString& text) {
    const int target = currentChannel();
    const ChannelCopySource found = channelCopySource(
        text.toStdString(), bank(), target, m_copiedChannel ? &*m_copiedChannel : nullptr);
    if (!found.source) {
        refuse(found.refusal);
        return;
    }
    const int source = *found.source;
    // Both channels named with their bank: "Ch A3", "Ch B3".
    const std::array<std::string, 2> args{" " + bankChannelLabel(source), bankChannelLabel(target)};
    const bool yes =
        m_prompter->ask(kCopyChannelQuestion, args, Buttons::YesNo, Icon::Question) == Answer::Yes;
    m_grid->setFocus();
    if (!yes)
        return;
    const EditName name{msg::kStepChannelCopy,
                        {bankChannelLabel(source), bankChannelLabel(target)}};
    m_doc.edit(name, place(), kHintNothing, [&](ImageState& next) {
        auto& entries = next.channels.entries;
        copyChannel(entries[static_cast<std::size_t>(source)],
                    entries[static_cast<std::size_t>(target)], target, m_groupShown);
    });
}

} // namespace mz58
