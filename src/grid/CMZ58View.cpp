#include "CMZ58View.h"

#include "ChannelGridModel.h"
#include "ChannelRowDelegate.h"
#include "GroupHeaderView.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace mz58 {
namespace {

// The refresh hints of the document's views.
constexpr int kHintRebuild = 1;
constexpr int kHintHeader = 2;
constexpr int kHintBandChange = 4;

// The view's margins: the grid and the header end this far inside the view's right and bottom
// edges.
constexpr int kEdgeMargin = 15;
constexpr int kLeftMargin = 10;
constexpr int kTopMargin = 5;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CMZ58View::CMZ58View(ImageState& state, QWidget* parent) : QWidget(parent), m_state(state) {
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
    m_model = new ChannelGridModel(m_state, this);
    m_grid = new QTableView(m_gridBox);
    m_header = new GroupHeaderView(ChannelGridModel::GroupCaptionRole, m_grid);
    m_grid->setHorizontalHeader(m_header);
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(new ChannelRowDelegate(m_grid));
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setCornerButtonEnabled(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->installEventFilter(this);
    auto* gridLayout = new QVBoxLayout(m_gridBox);
    gridLayout->addWidget(m_grid);

    auto* bankRow = new QHBoxLayout;
    bankRow->addStretch();
    bankRow->addWidget(m_bankLabel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kLeftMargin, kTopMargin, kEdgeMargin, kEdgeMargin);
    layout->addWidget(m_headerBox);
    layout->addLayout(bankRow);
    layout->addWidget(m_gridBox, 1);

    setFocusProxy(m_grid);
    resize(640, 410);
    rebuild();
}

// Three columns of equal width (serial number and band; model and firmware; port and printer),
// each with its labels at their own size and the value fields taking the rest.
QWidget* CMZ58View::createHeader() {
    const std::array<QString, HeaderFieldCount> labels{
        tr("产品机身号"), tr("工作波段"), tr("产品型号"), tr("FW 版本"), tr("串行口"), tr("打印机"),
    };
    auto* header = new QWidget(m_headerBox);
    auto* columns = new QHBoxLayout(header);
    columns->setContentsMargins(0, 0, 0, 0);
    constexpr int kFieldsPerColumn = 2;
    for (int k = 0; k < HeaderFieldCount / kFieldsPerColumn; ++k) {
        auto* grid = new QGridLayout;
        grid->setColumnStretch(1, 1);
        for (int row = 0; row < kFieldsPerColumn; ++row) {
            const auto field = static_cast<std::size_t>(k * kFieldsPerColumn + row);
            auto* value = new QLabel(header);
            value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setMinimumWidth(0);
            auto* label = new QLabel(labels[field], header);
            label->setBuddy(value);
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
    if (hint & kHintRebuild)
        rebuild();
    else if (hint & kHintHeader)
        refreshHeader();
}

int CMZ58View::bank() const {
    return m_model->bank();
}

void CMZ58View::setBank(int bank) {
    m_model->setBank(bank);
    rebuild();
}

bool CMZ58View::isColumnGroupShown(int group) const {
    return group >= 0 && group < kColumnGroupCount && m_groupShown[static_cast<std::size_t>(group)];
}

void CMZ58View::setColumnGroupShown(int group, bool shown) {
    if (group < 0 || group >= kColumnGroupCount)
        return;
    m_groupShown[static_cast<std::size_t>(group)] = shown;
    applyColumnWidths();
}

int CMZ58View::currentHelpContext() const {
    const QModelIndex current = m_grid->currentIndex();
    const auto column = static_cast<Column>(current.isValid() ? current.column() : 0);
    return columnHelpContext(column, m_state.optionUnit.type);
}

void CMZ58View::relayout() {
    if (!isVisible())
        return;
    layout()->invalidate();
    layout()->activate();
    m_header->viewport()->update();
}

void CMZ58View::rebuild() {
    m_grid->setUpdatesEnabled(false);
    m_model->rebuild();
    applyColumnWidths();
    m_bankLabel->setText(fromStd(bankLabelText(m_model->bank())));
    refreshHeader();
    m_grid->setCurrentIndex(m_model->index(0, static_cast<int>(Column::Channel)));
    m_grid->setUpdatesEnabled(true);
}

void CMZ58View::refreshHeader() {
    QString port = fromStd(comPortText(m_info.comPort));
    if (m_info.simulated)
        port = tr("%1（模拟电台）").arg(port);
    const std::array<QString, HeaderFieldCount> values{
        fromStd(m_state.serialNumber.digits),
        fromStd(bandText(m_state.hardware.band)),
        fromStd(modelText()),
        fromStd(firmwareVersionText(m_state.image)),
        port,
        m_info.printerName,
    };
    for (std::size_t f = 0; f < values.size(); ++f) {
        m_fields[f]->setText(values[f]);
        m_fields[f]->setToolTip(values[f].trimmed());
    }
}

int CMZ58View::columnWidthPixels(Column column) const {
    return columnWidthTwips(column) * m_grid->logicalDpiX() / kTwipsPerInch;
}

void CMZ58View::applyColumnWidths() {
    for (int c = 0; c < kColumnCount; ++c) {
        const auto column = static_cast<Column>(c);
        const int group = columnGroup(column);
        const bool shown = group == kAlwaysShown || isColumnGroupShown(group);
        m_grid->setColumnHidden(c, !shown);
        if (shown)
            m_grid->setColumnWidth(c, columnWidthPixels(column));
    }
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
        if (bankKeyFitted(m_state.image))
            setBank(nextBank(bank(), m_state.channels.bankCounts));
        break;
    case KeyAction::HexView:
        emit hexViewRequested();
        break;
    case KeyAction::None:
        break;
    }
}

// The view's keys win over the main window's shortcuts while the grid has the focus.
bool CMZ58View::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const KeyAction action = keyAction(*static_cast<QKeyEvent*>(event), true);
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

} // namespace mz58
