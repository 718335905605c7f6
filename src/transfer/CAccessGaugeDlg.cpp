// SPDX-License-Identifier: GPL-3.0-or-later
#include "CAccessGaugeDlg.h"

#include "MessageBoxPrompter.h"
#include "UiText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace mz58 {
namespace {

// How often the dialog looks whether the worker thread has ended, once it is ending.
constexpr int kEndPollMs = 20;

} // namespace

QString problemText(const LinkProblem& problem) {
    if (problem.empty())
        return {};
    const std::string args[] = {problem.device, problem.system};
    QString text = uiMessage(problem.reason, args);
    if (problem.hint != 0)
        text += QLatin1Char('\n') + uiText(problem.hint);
    return text;
}

GaugeRelay::GaugeRelay(CAccessGaugeDlg* dialog) : m_dialog(dialog) {}

// The QPointer is copied under no lock: the dialog outlives the worker, which is the only
// caller; the guard protects the queued call, which may run after the dialog has gone.
template <typename Call> void GaugeRelay::post(Call call) {
    QPointer<CAccessGaugeDlg> dialog = m_dialog;
    QMetaObject::invokeMethod(
        dialog.data(),
        [dialog, call = std::move(call)] {
            if (dialog)
                call(*dialog);
        },
        Qt::QueuedConnection);
}

void GaugeRelay::setCaption(StringId id) {
    post([id](CAccessGaugeDlg& d) { d.onCaption(id); });
}

void GaugeRelay::setRange(int upper) {
    post([upper](CAccessGaugeDlg& d) { d.onRange(upper); });
}

void GaugeRelay::setPosition(int position) {
    post([position](CAccessGaugeDlg& d) { d.onPosition(position); });
}

void GaugeRelay::setStatusText(StringId id) {
    post([id](CAccessGaugeDlg& d) { d.onStatusText(id); });
}

void GaugeRelay::showMessage(StringId id, std::span<const std::string> args, Icon icon) {
    post([id, args = std::vector<std::string>(args.begin(), args.end()), icon](CAccessGaugeDlg& d) {
        d.onMessage(id, args, icon);
    });
}

void GaugeRelay::done(const TransferResult& result) {
    post([result](CAccessGaugeDlg& d) { d.onDone(result); });
}

CAccessGaugeDlg::CAccessGaugeDlg(TransferMode mode, PortOpener openPort, ImageState& workingCopy,
                                 DownloadOptions options, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_mode(mode),
      m_openPort(std::move(openPort)), m_workingCopy(workingCopy), m_options(std::move(options)) {
    setWindowTitle(tr("Access Gauge"));
    setModal(true);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    m_step = new QLabel(this);
    m_step->setObjectName(QStringLiteral("step"));
    m_step->setWordWrap(true);
    m_step->setVisible(false);
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    // The bar appears when the transfer announces its range.
    m_progress->setVisible(false);
    QSizePolicy keepSpace = m_progress->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keepSpace);

    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setAutoDefault(false);
    m_cancel->setDefault(false);
    connect(m_cancel, &QPushButton::clicked, this, &CAccessGaugeDlg::reject);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_cancel);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_status);
    layout->addStretch();
    layout->addWidget(m_progress);
    layout->addLayout(buttonRow);

    m_endPoll = new QTimer(this);
    m_endPoll->setInterval(kEndPollMs);
    connect(m_endPoll, &QTimer::timeout, this, &CAccessGaugeDlg::closeWhenWorkerEnded);
}

CAccessGaugeDlg::~CAccessGaugeDlg() {
    // A dialog destroyed while the worker still runs: stop it and wait for its thread.
    m_worker.requestCancel();
    m_worker.wait();
}

TransferResult CAccessGaugeDlg::result() const {
    return m_result;
}

void CAccessGaugeDlg::setStepText(const QString& text) {
    m_step->setText(text);
    m_step->setVisible(!text.isEmpty());
}

void CAccessGaugeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_started)
        start();
}

void CAccessGaugeDlg::start() {
    m_started = true;
    const bool started =
        m_mode == TransferMode::Upload
            ? m_worker.startUpload(m_openPort, m_workingCopy.image, m_relay)
            : m_worker.startDownload(m_openPort, m_workingCopy, m_options, m_relay);
    if (!started) {
        m_ending = true;
        QTimer::singleShot(0, this, [this] { QDialog::done(Rejected); });
    }
}

// Cancel, Esc and the window's close all end here; the dialog stays until the worker has ended.
void CAccessGaugeDlg::reject() {
    if (!m_started) {
        QDialog::reject();
        return;
    }
    if (m_ending)
        return;
    m_ending = true;
    m_cancel->setEnabled(false);
    m_worker.requestCancel();
    closeWhenWorkerEnded();
}

void CAccessGaugeDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

// A transfer that did not end by cancel has reported its end (posted before its thread ended)
// by the time it has finished; the dialog also waits for that report and its message.
void CAccessGaugeDlg::closeWhenWorkerEnded() {
    const bool ended = m_worker.finished() &&
                       (m_doneReported || m_worker.result().outcome == TransferOutcome::Cancelled);
    if (!ended || m_messageOpen) {
        m_endPoll->start();
        return;
    }
    m_endPoll->stop();
    m_result = m_worker.result();
    QDialog::done(m_result.succeeded() ? Accepted : Rejected);
}

void CAccessGaugeDlg::onCaption(StringId id) {
    setWindowTitle(uiText(id));
}

void CAccessGaugeDlg::onRange(int upper) {
    m_progress->setRange(0, upper);
    m_progress->setValue(0);
    m_progress->setVisible(true);
}

void CAccessGaugeDlg::onPosition(int position) {
    m_progress->setValue(position);
}

void CAccessGaugeDlg::onStatusText(StringId id) {
    m_status->setText(uiText(id));
}

void CAccessGaugeDlg::onMessage(StringId id, std::vector<std::string> args, Icon icon) {
    m_message = PendingMessage{id, std::move(args), icon};
}

// The closing message names the backup of the radio's previous memory when there is one. The box
// is window-modal and opened without a nested event loop; the dialog closes after it.
void CAccessGaugeDlg::onDone(const TransferResult& result) {
    m_doneReported = true;
    m_ending = true;
    m_cancel->setEnabled(false);
    if (m_quietSuccess && result.succeeded())
        m_message.reset();
    if (m_message) {
        QString text = uiMessage(m_message->id, m_message->args);
        if (result.succeeded() && !result.backupFile.empty())
            text += QLatin1String("\n\n") +
                    tr("电台原有的数据已备份到：\n%1")
                        .arg(QString::fromStdString(result.backupFile.string()));
        auto* box =
            new QMessageBox(MessageBoxPrompter::boxIcon(m_message->icon),
                            QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        // What went wrong and what to do about it, under the system's own message.
        box->setInformativeText(problemText(result.problem));
        connect(box, &QMessageBox::finished, this, [this] {
            m_messageOpen = false;
            closeWhenWorkerEnded();
        });
        m_messageOpen = true;
        m_message.reset();
        box->open();
        return;
    }
    closeWhenWorkerEnded();
}

} // namespace mz58
