#pragma once

// Stand-in for the transfer dialog until src/grid exists: same interface.

#include "CloneProtocol.h"
#include "TransferWorker.h"

#include <QDialog>

#include <memory>

class QLabel;
class QProgressBar;

namespace mz58 {

enum class TransferMode { Upload, Download };

class CAccessGaugeDlg : public QDialog {
    Q_OBJECT
public:
    CAccessGaugeDlg(TransferMode mode, PortOpener openPort, ImageState& workingCopy,
                    DownloadOptions options, QWidget* parent = nullptr);
    ~CAccessGaugeDlg() override;
    TransferResult result() const { return m_result; }

    int exec() override;
    void reject() override;

private:
    class Observer;
    void finish();

    TransferMode m_mode;
    PortOpener m_openPort;
    ImageState& m_working;
    DownloadOptions m_options;
    TransferResult m_result;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    std::unique_ptr<Observer> m_observer;
    TransferWorker m_worker;
    bool m_cancelling = false;
};

} // namespace mz58
