// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RadioBatch.h"

#include <QDialog>
#include <QPointer>

#include <thread>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace mz58 {

class CMultiWriteDlg;

// The batch's observer: hands every report to the dialog's thread as a queued call.
class BatchRelay final : public BatchObserver {
public:
    explicit BatchRelay(CMultiWriteDlg* dialog) : m_dialog(dialog) {}

    void radioStarting(int index, int count) override;
    void radioFinished(const BatchRadioReport& report) override;
    void setCaption(StringId) override {}
    void setRange(int upper) override;
    void setPosition(int position) override;
    void setStatusText(StringId id) override;
    // Each radio's result shows in its line of the list, not in a message box.
    void showMessage(StringId, std::span<const std::string>, Icon) override {}
    void done(const TransferResult&) override {}

private:
    template <typename Call> void post(Call call);
    QPointer<CMultiWriteDlg> m_dialog;
};

// Radio > Write to several radios: one file into a number of radios on the same cable, one
// after another. Each radio is taken when it is switched on; its line shows its serial number
// and backup, or why it failed, and a failed radio does not end the run. A summary ends it.
class CMultiWriteDlg : public QDialog {
    Q_OBJECT
public:
    CMultiWriteDlg(PortOpener openPort, const ImageState& file, const QString& fileName,
                   DownloadOptions options, int count, const QString& logPath,
                   QWidget* parent = nullptr);
    ~CMultiWriteDlg() override;

    [[nodiscard]] int count() const;
    [[nodiscard]] QString logPath() const;
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] const BatchSummary& summary() const { return m_summary; }
    [[nodiscard]] QListWidget* radioList() const { return m_list; }
    [[nodiscard]] QString summaryText() const;

    // Starts the run (the Start button).
    void start();
    // Stops the run at the current radio's next cancel check (the Stop button).
    void stop();
    // Close, Esc and the window's close: a run is stopped first and the window closes after.
    void reject() override;

signals:
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class BatchRelay;
    void onRadioStarting(int index, int count);
    void onRange(int upper);
    void onPosition(int position);
    void onStatusText(StringId id);
    void onRadioFinished(const BatchRadioReport& report);
    void onFinished(const BatchSummary& summary);
    void browseLog();
    void updateButtons();

    PortOpener m_openPort;
    ImageState m_file;
    QString m_fileName;
    DownloadOptions m_options;
    BatchSummary m_summary;
    bool m_running = false;
    bool m_closeWhenDone = false;
    int m_current = 0;
    int m_total = 0;

    QSpinBox* m_count = nullptr;
    QLineEdit* m_log = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_summaryLabel = nullptr;

    BatchRelay m_relay{this};
    std::jthread m_thread; // last: joined before the members above go away
};

} // namespace mz58
