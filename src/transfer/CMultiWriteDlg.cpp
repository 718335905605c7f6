// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMultiWriteDlg.h"

#include "CAccessGaugeDlg.h"
#include "UiText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace mz58 {
namespace {

constexpr int kMaxRadios = 999;

} // namespace

template <typename Call> void BatchRelay::post(Call call) {
    QPointer<CMultiWriteDlg> dialog = m_dialog;
    QMetaObject::invokeMethod(
        dialog.data(),
        [dialog, call = std::move(call)] {
            if (dialog)
                call(*dialog);
        },
        Qt::QueuedConnection);
}

void BatchRelay::radioStarting(int index, int count) {
    post([index, count](CMultiWriteDlg& d) { d.onRadioStarting(index, count); });
}

void BatchRelay::radioFinished(const BatchRadioReport& report) {
    post([report](CMultiWriteDlg& d) { d.onRadioFinished(report); });
}

void BatchRelay::setRange(int upper) {
    post([upper](CMultiWriteDlg& d) { d.onRange(upper); });
}

void BatchRelay::setPosition(int position) {
    post([position](CMultiWriteDlg& d) { d.onPosition(position); });
}

void BatchRelay::setStatusText(StringId id) {
    post([id](CMultiWriteDlg& d) { d.onStatusText(id); });
}

CMultiWriteDlg::CMultiWriteDlg(PortOpener openPort, const ImageState& file, const QString& fileName,
                               DownloadOptions options, int count, const QString& logPath,
                               QWidget* parent)
    : QDialog(parent), m_openPort(std::move(openPort)), m_file(file), m_fileName(fileName),
      m_options(std::move(options)) {
    setWindowTitle(tr("Write to several radios"));
    setModal(true);

    auto* fileLabel = new QLabel(fileName, this);
    m_count = new QSpinBox(this);
    m_count->setRange(1, kMaxRadios);
    m_count->setValue(std::clamp(count, 1, kMaxRadios));
    m_count->setAccessibleName(tr("Number of radios"));
    m_log = new QLineEdit(logPath, this);
    m_log->setPlaceholderText(tr("no log"));
    m_log->setToolTip(tr("One line a radio is appended to this CSV file: time, radio, serial "
                         "number, result, backup, file."));
    m_log->setAccessibleName(tr("Log file"));
    m_browse = new QPushButton(tr("&Browse..."), this);
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, &CMultiWriteDlg::browseLog);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_log, 1);
    logRow->addWidget(m_browse);

    auto* form = new QFormLayout;
    form->addRow(tr("File:"), fileLabel);
    form->addRow(tr("&Number of radios:"), m_count);
    form->addRow(tr("&Log file:"), logRow);
    static_cast<QLabel*>(form->labelForField(m_count))->setBuddy(m_count);
    static_cast<QLabel*>(form->labelForField(logRow))->setBuddy(m_log);

    m_status = new QLabel(
        tr("Connect the first radio and press Start. Each further radio is taken when it is "
           "switched on."),
        this);
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    m_progress->setRange(0, clone::kProgressRange);
    m_progress->setValue(0);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Radios written"));
    m_list->setMinimumHeight(fontMetrics().height() * 8);
    m_list->setIconSize(QSize(16, 16));
    m_list->setWordWrap(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_summaryLabel = new QLabel(this);
    m_summaryLabel->setWordWrap(true);
    m_summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_start = new QPushButton(tr("&Start"), this);
    m_stop = new QPushButton(tr("S&top"), this);
    m_close = new QPushButton(tr("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (auto* b : {m_start, m_stop, m_close}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    connect(m_start, &QPushButton::clicked, this, &CMultiWriteDlg::start);
    connect(m_stop, &QPushButton::clicked, this, &CMultiWriteDlg::stop);
    connect(m_close, &QPushButton::clicked, this, &CMultiWriteDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summaryLabel);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 96, sizeHint().height());
    updateButtons();
}

CMultiWriteDlg::~CMultiWriteDlg() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

int CMultiWriteDlg::count() const {
    return m_count->value();
}

QString CMultiWriteDlg::logPath() const {
    return m_log->text().trimmed();
}

void CMultiWriteDlg::updateButtons() {
    m_start->setEnabled(!m_running);
    m_stop->setEnabled(m_running && !m_thread.get_stop_token().stop_requested());
    m_count->setEnabled(!m_running);
    m_log->setEnabled(!m_running);
    m_browse->setEnabled(!m_running);
}

void CMultiWriteDlg::browseLog() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Log file"), logPath(),
                                                      tr("CSV files (*.csv);;All files (*)"),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        m_log->setText(path);
}

void CMultiWriteDlg::start() {
    if (m_running)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_list->clear();
    m_summaryLabel->clear();
    m_summary = {};
    BatchOptions batch;
    batch.count = count();
    batch.download = m_options;
    batch.fileName = m_fileName.toStdString();
    if (!logPath().isEmpty())
        batch.log = logPath().toStdString();
    m_total = batch.count;
    m_running = true;
    updateButtons();
    QPointer<CMultiWriteDlg> self(this);
    m_thread =
        std::jthread([this, self, batch, opener = m_openPort, file = m_file](std::stop_token stop) {
            const BatchSummary summary = writeRadioBatch(stop, opener, file, batch, m_relay);
            QMetaObject::invokeMethod(
                self.data(),
                [self, summary] {
                    if (self)
                        self->onFinished(summary);
                },
                Qt::QueuedConnection);
        });
}

void CMultiWriteDlg::stop() {
    if (!m_running)
        return;
    m_thread.request_stop();
    m_status->setText(tr("Stopping after the current step..."));
    updateButtons();
}

void CMultiWriteDlg::reject() {
    if (!m_running) {
        QDialog::reject();
        return;
    }
    m_closeWhenDone = true;
    stop();
}

void CMultiWriteDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

void CMultiWriteDlg::onRadioStarting(int index, int count) {
    m_current = index;
    m_total = count;
    m_progress->setValue(0);
    m_status->setText(tr("Radio %1 of %2").arg(index).arg(count));
}

void CMultiWriteDlg::onRange(int upper) {
    m_progress->setRange(0, upper);
}

void CMultiWriteDlg::onPosition(int position) {
    m_progress->setValue(position);
}

void CMultiWriteDlg::onStatusText(StringId id) {
    m_status->setText(tr("Radio %1 of %2: %3").arg(m_current).arg(m_total).arg(uiText(id)));
}

void CMultiWriteDlg::onRadioFinished(const BatchRadioReport& report) {
    const QString head = tr("Radio %1 of %2").arg(report.index).arg(report.count);
    const TransferResult& result = report.result;
    QString text;
    QStyle::StandardPixmap icon = QStyle::SP_DialogApplyButton;
    if (result.succeeded()) {
        text = tr("%1: written, serial %2").arg(head, QString::fromStdString(report.serial));
        if (!result.backupFile.empty())
            text += tr(", backup %1").arg(QString::fromStdString(result.backupFile.string()));
    } else if (result.outcome == TransferOutcome::Cancelled) {
        text = tr("%1: stopped").arg(head);
        icon = QStyle::SP_MessageBoxWarning;
    } else {
        const std::string args[] = {result.detail};
        QString why = uiMessage(result.message, args).simplified();
        if (const QString problem = problemText(result.problem); !problem.isEmpty())
            why += QStringLiteral(" — ") +
                   QString(problem).replace(QLatin1Char(QChar::LineFeed), QStringLiteral(". "));
        QString radio = head;
        if (!report.serial.empty())
            radio += tr(" (serial %1)").arg(QString::fromStdString(report.serial));
        text = tr("%1: failed: %2").arg(radio, why);
        icon = QStyle::SP_MessageBoxCritical;
    }
    auto* item = new QListWidgetItem(style()->standardIcon(icon), text, m_list);
    item->setToolTip(text);
    m_list->scrollToItem(item);
}

QString CMultiWriteDlg::summaryText() const {
    return m_summaryLabel->text();
}

void CMultiWriteDlg::onFinished(const BatchSummary& summary) {
    m_summary = summary;
    m_running = false;
    if (m_thread.joinable())
        m_thread.join();
    QString text = tr("%1 of %2 radios written, %3 failed.")
                       .arg(summary.written)
                       .arg(m_total)
                       .arg(summary.failed);
    if (summary.cancelled)
        text += QLatin1Char(' ') + tr("Stopped: the radios after it were not written.");
    if (summary.portFailed)
        text += QLatin1Char(' ') +
                tr("The port failed: the remaining radios were not written. Check the cable "
                   "and the COM port settings.");
    if (!summary.logError.empty())
        text +=
            QLatin1Char(' ') +
            tr("The log could not be written: %1").arg(QString::fromStdString(summary.logError));
    else if (!logPath().isEmpty())
        text += QLatin1Char(' ') + tr("Log: %1").arg(logPath());
    m_summaryLabel->setText(text);
    m_status->setText(tr("Done."));
    m_progress->setValue(0);
    updateButtons();
    emit runFinished();
    if (m_closeWhenDone)
        QDialog::reject();
}

} // namespace mz58
