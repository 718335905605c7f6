// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"
#include "TransferWorker.h"

#include <QDialog>
#include <QPointer>

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace mz58 {

enum class TransferMode { Upload, Download };

// A transfer's failure as the window shows it: the device and the reason, then the hint, each
// on a line; empty when there is no problem to name.
QString problemText(const LinkProblem& problem);

class CAccessGaugeDlg;

// The worker's observer: hands every report to the dialog's thread as a queued call guarded by a
// QPointer. It never blocks the worker.
class GaugeRelay final : public TransferObserver {
public:
    explicit GaugeRelay(CAccessGaugeDlg* dialog);

    void setCaption(StringId id) override;
    void setRange(int upper) override;
    void setPosition(int position) override;
    void setStatusText(StringId id) override;
    void showMessage(StringId id, std::span<const std::string> args, Icon icon) override;
    void done(const TransferResult& result) override;

private:
    template <typename Call> void post(Call call);

    QPointer<CAccessGaugeDlg> m_dialog;
};

// The progress of one transfer with the radio. The dialog runs the transfer on a worker thread
// over the caller's working copy and ends only after the worker has ended: with Accepted when the
// transfer succeeded, else Rejected. Cancel, Esc and closing the window ask the worker to stop.
class CAccessGaugeDlg : public QDialog {
    Q_OBJECT
public:
    // Runs one transfer on a TransferWorker over `workingCopy` (the caller's copy of the
    // document's state: an upload fills workingCopy.image, a download reads it and takes the
    // radio's alignment into it). exec() returns Accepted only when the transfer succeeded.
    CAccessGaugeDlg(TransferMode mode, PortOpener openPort, ImageState& workingCopy,
                    DownloadOptions options, QWidget* parent = nullptr);
    ~CAccessGaugeDlg() override;

    TransferResult result() const;

    // A successful transfer closes without its message (a read that only prepares the next
    // step); failures still show theirs.
    void setQuietSuccess(bool quiet) { m_quietSuccess = quiet; }
    // A line above the status that says which step of a longer job this transfer is.
    void setStepText(const QString& text);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class GaugeRelay;
    void onCaption(StringId id);
    void onRange(int upper);
    void onPosition(int position);
    void onStatusText(StringId id);
    void onMessage(StringId id, std::vector<std::string> args, Icon icon);
    void onDone(const TransferResult& result);
    void start();
    // Closes once the worker thread has ended; checks again shortly while it still runs.
    void closeWhenWorkerEnded();

    TransferMode m_mode;
    PortOpener m_openPort;
    ImageState& m_workingCopy;
    DownloadOptions m_options;
    TransferResult m_result;
    bool m_started = false;
    bool m_ending = false;
    bool m_doneReported = false;
    bool m_messageOpen = false;
    bool m_quietSuccess = false;
    // The transfer's closing message, shown when its result (with a backup file) is known.
    struct PendingMessage {
        StringId id;
        std::vector<std::string> args;
        Icon icon;
    };
    std::optional<PendingMessage> m_message;

    QLabel* m_step = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer* m_endPoll = nullptr;

    GaugeRelay m_relay{this};
    TransferWorker m_worker; // last: its thread ends before the members above go away
};

} // namespace mz58
