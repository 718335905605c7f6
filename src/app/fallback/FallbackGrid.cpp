// Stand-ins for the channel view and the transfer dialog.
#include "CAccessGaugeDlg.h"
#include "CMZ58View.h"

#include "CellText.h"
#include "UiText.h"

#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace mz58 {

CMZ58View::CMZ58View(ImageState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    for (int g = 0; g < kColumnGroupCount; ++g)
        m_shown[static_cast<std::size_t>(g)] = g != kColumnGroupCount - 1;
    m_header = new QLabel(this);
    m_table = new QTableWidget(8, 21, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_header);
    layout->addWidget(m_table);
    setFocusProxy(m_table);
}

void CMZ58View::setHeaderInfo(const HeaderInfo& info) {
    m_info = info;
    onUpdate(2);
}

void CMZ58View::onUpdate(int hint) {
    if (hint == 0)
        return;
    m_header->setText(QStringLiteral("COM%1  %2").arg(m_info.comPort).arg(m_info.printerName));
}

bool CMZ58View::isColumnGroupShown(int group) const {
    return group >= 0 && group < kColumnGroupCount && m_shown[static_cast<std::size_t>(group)];
}

void CMZ58View::setColumnGroupShown(int group, bool shown) {
    if (group >= 0 && group < kColumnGroupCount)
        m_shown[static_cast<std::size_t>(group)] = shown;
}

// Forwards the worker's reports to the dialog's thread.
class CAccessGaugeDlg::Observer final : public TransferObserver {
public:
    explicit Observer(CAccessGaugeDlg* dialog) : m_dialog(dialog) {}
    template <typename F> void post(F f) {
        QMetaObject::invokeMethod(m_dialog, std::move(f), Qt::QueuedConnection);
    }
    void setCaption(StringId id) override {
        post([d = m_dialog, id] { d->setWindowTitle(uiText(id)); });
    }
    void setRange(int upper) override {
        post([d = m_dialog, upper] { d->m_progress->setRange(0, upper); });
    }
    void setPosition(int position) override {
        post([d = m_dialog, position] { d->m_progress->setValue(position); });
    }
    void setStatusText(StringId id) override {
        post([d = m_dialog, id] { d->m_status->setText(uiText(id)); });
    }
    void showMessage(StringId id, std::span<const std::string> args, Icon icon) override {
        const QString text = uiMessage(id, args);
        post([d = m_dialog, text, icon] {
            QMessageBox::information(d, d->windowTitle(), text);
            (void)icon;
        });
    }
    void done(const TransferResult& result) override {
        post([d = m_dialog, result] {
            d->m_result = result;
            d->finish();
        });
    }

private:
    CAccessGaugeDlg* m_dialog;
};

CAccessGaugeDlg::CAccessGaugeDlg(TransferMode mode, PortOpener openPort, ImageState& workingCopy,
                                 DownloadOptions options, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_openPort(std::move(openPort)), m_working(workingCopy),
      m_options(std::move(options)), m_observer(std::make_unique<Observer>(this)) {
    setWindowTitle(QStringLiteral("Access Gauge"));
    m_status = new QLabel(this);
    m_progress = new QProgressBar(this);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &CAccessGaugeDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
}

CAccessGaugeDlg::~CAccessGaugeDlg() {
    m_worker.requestCancel();
    m_worker.wait();
}

int CAccessGaugeDlg::exec() {
    const bool started =
        m_mode == TransferMode::Upload
            ? m_worker.startUpload(m_openPort, m_working.image, *m_observer)
            : m_worker.startDownload(m_openPort, m_working, m_options, *m_observer);
    if (!started)
        return Rejected;
    return QDialog::exec();
}

void CAccessGaugeDlg::finish() {
    m_worker.wait();
    if (m_result.succeeded())
        accept();
    else
        QDialog::reject();
}

void CAccessGaugeDlg::reject() {
    if (m_cancelling)
        return;
    m_cancelling = true;
    m_worker.requestCancel();
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this, poll] {
        if (!m_worker.finished())
            return;
        poll->stop();
        m_result = m_worker.result();
        QDialog::reject();
    });
    poll->start(20);
}

} // namespace mz58
