// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChirpImportDialog.h"

#include "CellText.h"
#include "ChannelGridLayout.h"
#include "UiText.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace mz58 {
namespace {

constexpr int kNoChannelKey = kChannelCount + 1; // sorts rows without a channel last
constexpr int kDialogWidth = 1180;
constexpr int kDialogHeight = 560;

// The grid column each of the model's grid-text columns shows.
constexpr std::array<Column, ChirpImportModel::ColumnCount> kGridColumns{
    Column::Count,      Column::Count,    Column::Count,    Column::Width,
    Column::Receive,    Column::Transmit, Column::ToneType, Column::DecodeTone,
    Column::EncodeTone, Column::Power,    Column::Scan,     Column::Count};

QString channelText(int channel) {
    const int bank = (channel - 1) / kChannelsPerBank;
    const int number = (channel - 1) % kChannelsPerBank + 1;
    return QStringLiteral("%1 (%2%3)")
        .arg(channel)
        .arg(bank == kBankA ? QLatin1Char('A') : QLatin1Char('B'))
        .arg(number);
}

QString gridCaption(Column column) {
    // The power column's own caption is "H"; its group names it.
    const std::string_view caption =
        column == Column::Power ? columnGroupCaption(column) : columnCaption(column, 0);
    return QCoreApplication::translate(kChannelGridContext, std::string(caption).c_str());
}

QString joined(const QStringList& parts) {
    return parts.join(QStringLiteral("; "));
}

} // namespace

// ---- the model

ChirpImportModel::ChirpImportModel(QObject* parent) : QAbstractTableModel(parent) {}

void ChirpImportModel::setPlan(ChirpImportPlan plan) {
    if (plan.rows.size() == m_plan.rows.size()) {
        m_plan = std::move(plan);
        if (!m_plan.rows.empty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
        return;
    }
    beginResetModel();
    m_plan = std::move(plan);
    m_checked.assign(m_plan.rows.size(), 1);
    endResetModel();
}

std::vector<bool> ChirpImportModel::excluded() const {
    std::vector<bool> out(m_checked.size());
    for (std::size_t i = 0; i < m_checked.size(); ++i)
        out[i] = !m_checked[i];
    return out;
}

bool ChirpImportModel::isChecked(int row) const {
    return row >= 0 && row < rowCount() && m_checked[static_cast<std::size_t>(row)] &&
           m_plan.rows[static_cast<std::size_t>(row)].held();
}

void ChirpImportModel::setChecked(const std::vector<int>& rows, bool checked) {
    bool changed = false;
    for (int row : rows) {
        if (row < 0 || row >= rowCount() || !m_plan.rows[static_cast<std::size_t>(row)].held())
            continue;
        char& mark = m_checked[static_cast<std::size_t>(row)];
        if (mark == static_cast<char>(checked))
            continue;
        mark = checked ? 1 : 0;
        changed = true;
        const QModelIndex box = index(row, LineColumn);
        emit dataChanged(box, box, {Qt::CheckStateRole});
    }
    if (changed)
        emit checksChanged();
}

int ChirpImportModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_plan.rows.size());
}

int ChirpImportModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ChirpImportModel::remarks(const ChirpRow& row) const {
    QStringList parts;
    if (row.refusal)
        parts << uiMessage(*row.refusal);
    else if (row.outcome == RowOutcome::Excluded)
        parts << tr("left out");
    else if (row.outcome == RowOutcome::NoChannelLeft)
        parts << tr("no channel left: the rows fill the channels up to 16");
    for (const UserMessage& warning : row.warnings)
        parts << uiMessage(warning);
    if (row.remedy)
        parts << uiMessage(*row.remedy);
    return joined(parts);
}

QVariant ChirpImportModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ChirpRow& row = m_plan.rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const Column gridColumn = kGridColumns[static_cast<std::size_t>(column)];
    const bool imported = row.outcome == RowOutcome::Imported;

    switch (role) {
    case Qt::DisplayRole:
    case SortRole:
        if (column == LineColumn)
            return row.line;
        if (column == NameColumn)
            return QString::fromStdString(row.name);
        if (column == ChannelColumn) {
            if (role == SortRole)
                return imported ? row.channel : kNoChannelKey;
            return imported ? channelText(row.channel) : QStringLiteral("\u2014");
        }
        if (column == RemarksColumn)
            return remarks(row);
        return row.held() ? QString::fromStdString(cellText(row.entry, 0, gridColumn)) : QString();
    case Qt::ToolTipRole:
        return column == RemarksColumn
                   ? remarks(row).replace(QStringLiteral("; "), QStringLiteral("\n"))
                   : QVariant();
    case Qt::CheckStateRole:
        if (column == LineColumn && row.held())
            return m_checked[static_cast<std::size_t>(index.row())] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole: {
        if (column != RemarksColumn)
            return {};
        const QStyle* style = QApplication::style();
        if (row.refusal)
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        if (!row.warnings.empty())
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        return row.remedy ? style->standardIcon(QStyle::SP_MessageBoxInformation) : QVariant();
    }
    case Qt::ForegroundRole:
        // What the row becomes is greyed when it goes nowhere; why stays readable.
        if (imported || column == RemarksColumn)
            return {};
        return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    case Qt::TextAlignmentRole:
        return column == LineColumn || column == ChannelColumn
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    default:
        return {};
    }
}

QVariant ChirpImportModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    switch (section) {
    case LineColumn:
        return tr("Line");
    case NameColumn:
        return tr("Name");
    case ChannelColumn:
        return tr("Channel");
    case RemarksColumn:
        return tr("Remarks");
    default:
        return gridCaption(kGridColumns[static_cast<std::size_t>(section)]);
    }
}

Qt::ItemFlags ChirpImportModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == LineColumn &&
        m_plan.rows[static_cast<std::size_t>(index.row())].held())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ChirpImportModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != LineColumn ||
        !m_plan.rows[static_cast<std::size_t>(index.row())].held())
        return false;
    setChecked({index.row()}, value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

// ---- the dialog

ChirpImportDialog::ChirpImportDialog(const ImageState& state, std::string csv, ChirpImportPlan plan,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent), m_state(state), m_csv(std::move(csv)) {
    setObjectName(QStringLiteral("ChirpImportDialog"));
    setWindowTitle(tr("Import CHIRP CSV: %1").arg(fileName));
    setSizeGripEnabled(true);

    m_start = new QComboBox(this);
    m_start->addItem(tr("the channels the Location column names"), 0);
    for (int channel = 1; channel <= kChannelCount; ++channel)
        m_start->addItem(tr("channel %1 and on, in the list's order").arg(channelText(channel)),
                         channel);
    auto* startLabel = new QLabel(tr("&Import into:"), this);
    startLabel->setBuddy(m_start);

    m_model = new ChirpImportModel(this);
    m_model->setPlan(std::move(plan));
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(ChirpImportModel::SortRole);
    m_table = new QTableView(this);
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ChirpImportModel::LineColumn, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setAccessibleName(tr("Rows of the list"));
    m_table->installEventFilter(this);
    auto* tableLabel = new QLabel(tr("&Rows (Space checks or unchecks the selected rows):"), this);
    tableLabel->setBuddy(m_table);

    m_details = new QLabel(this);
    m_details->setWordWrap(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setAccessibleName(tr("Remarks on the current row"));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* checkAll = new QPushButton(tr("Check &all"), this);
    auto* checkNone = new QPushButton(tr("Check &none"), this);
    m_ok = new QPushButton(tr("OK"), this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {checkAll, checkNone, m_ok, m_cancel})
        button->setAutoDefault(false);

    auto* startRow = new QHBoxLayout;
    startRow->addWidget(startLabel);
    startRow->addWidget(m_start, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkAll);
    buttons->addWidget(checkNone);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(startRow);
    layout->addWidget(tableLabel);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_details);
    layout->addWidget(m_summary);
    layout->addLayout(buttons);

    const auto everyRow = [this] {
        std::vector<int> rows(static_cast<std::size_t>(m_model->rowCount()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            rows[i] = static_cast<int>(i);
        return rows;
    };
    connect(checkAll, &QPushButton::clicked, this,
            [this, everyRow] { m_model->setChecked(everyRow(), true); });
    connect(checkNone, &QPushButton::clicked, this,
            [this, everyRow] { m_model->setChecked(everyRow(), false); });
    connect(m_model, &ChirpImportModel::checksChanged, this, &ChirpImportDialog::replan);
    connect(m_start, &QComboBox::activated, this, &ChirpImportDialog::replan);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ChirpImportDialog::showDetails);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_start->setCurrentIndex(std::clamp(m_model->plan().startChannel, 0, kChannelCount));
    m_table->resizeColumnsToContents();
    resize(kDialogWidth, kDialogHeight);
    updateSummary();
    m_table->setFocus();
    if (m_sorted->rowCount() > 0)
        m_table->setCurrentIndex(m_sorted->index(0, ChirpImportModel::LineColumn));
    showDetails();
}

int ChirpImportDialog::startChannel() const {
    return m_start->currentData().toInt();
}

void ChirpImportDialog::setStartChannel(int channel) {
    m_start->setCurrentIndex(std::clamp(channel, 0, kChannelCount));
    replan();
}

ImageState ChirpImportDialog::importedState(std::vector<int>* channels) const {
    ImageState next = m_state;
    std::vector<int> written = applyChirpImport(m_model->plan(), next);
    if (channels)
        *channels = std::move(written);
    return next;
}

void ChirpImportDialog::replan() {
    m_model->setPlan(planChirpImport(m_csv, m_state, {startChannel(), m_model->excluded()}));
    updateSummary();
    showDetails();
}

void ChirpImportDialog::showDetails() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        m_details->clear();
        return;
    }
    const int row = m_sorted->mapToSource(current).row();
    const QString remarks = m_model->index(row, ChirpImportModel::RemarksColumn).data().toString();
    const int line = m_model->plan().rows[static_cast<std::size_t>(row)].line;
    m_details->setText(remarks.isEmpty() ? tr("Line %1: goes in as shown.").arg(line)
                                         : tr("Line %1: %2").arg(line).arg(remarks));
}

void ChirpImportDialog::updateSummary() {
    const ChirpImportPlan& plan = m_model->plan();
    const int imported = plan.count(RowOutcome::Imported);
    const int total = static_cast<int>(plan.rows.size());
    QStringList lines;
    if (imported > 0) {
        int first = kChannelCount;
        int last = 1;
        for (const ChirpRow& r : plan.rows) {
            if (r.outcome == RowOutcome::Imported) {
                first = std::min(first, r.channel);
                last = std::max(last, r.channel);
            }
        }
        lines << tr("%1 of %2 rows fit: they replace channels %3 to %4.")
                     .arg(imported)
                     .arg(total)
                     .arg(channelText(first), channelText(last));
    } else {
        lines << tr("None of the %1 rows goes into a channel.").arg(total);
    }
    if (const int refused = plan.count(RowOutcome::Refused))
        lines << tr("%n row(s) the radio cannot hold.", nullptr, refused);
    if (const int left = plan.count(RowOutcome::NoChannelLeft))
        lines << tr("%n row(s) find no channel left.", nullptr, left);
    if (const int out = plan.count(RowOutcome::Excluded))
        lines << tr("%n row(s) left out.", nullptr, out);
    const auto remedied = std::find_if(plan.rows.begin(), plan.rows.end(),
                                       [](const ChirpRow& r) { return r.remedy.has_value(); });
    if (remedied != plan.rows.end())
        lines << tr("Line %1: %2").arg(remedied->line).arg(uiMessage(*remedied->remedy));
    m_summary->setText(lines.join(QLatin1Char(' ')));
    m_ok->setEnabled(imported > 0);
}

void ChirpImportDialog::toggleSelectedRows() {
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        rows.push_back(m_sorted->mapToSource(index).row());
    if (rows.empty() && m_table->currentIndex().isValid())
        rows.push_back(m_sorted->mapToSource(m_table->currentIndex()).row());
    const bool anyUnchecked = std::any_of(rows.begin(), rows.end(), [this](int row) {
        return m_model->plan().rows[static_cast<std::size_t>(row)].held() &&
               !m_model->isChecked(row);
    });
    m_model->setChecked(rows, anyUnchecked);
}

bool ChirpImportDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggleSelectedRows();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<ChirpImportChoice> runChirpImportDialog(QWidget* parent, const ImageState& state,
                                                      const std::string& csv,
                                                      const QString& fileName) {
    ChirpImportPlan plan = planChirpImport(csv, state);
    if (plan.fileError) {
        QMessageBox::warning(
            parent, QCoreApplication::applicationName(),
            QCoreApplication::translate("mz58::ChirpImportDialog",
                                        "%1 is not a CHIRP channel list: nothing was imported.")
                    .arg(fileName) +
                QStringLiteral("\n\n") + uiMessage(*plan.fileError));
        return std::nullopt;
    }
    if (!plan.locationsFit())
        plan = planChirpImport(csv, state, {1, {}});
    ChirpImportDialog dialog(state, csv, std::move(plan), fileName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ChirpImportChoice choice;
    choice.state = dialog.importedState(&choice.channels);
    return choice;
}

} // namespace mz58
