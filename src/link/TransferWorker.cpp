// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferWorker.h"

namespace mz58 {

TransferWorker::~TransferWorker() {
    requestCancel();
    wait();
}

template <typename Procedure> bool TransferWorker::start(Procedure procedure) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_finished)
            return false;
        m_finished = false;
    }
    if (m_thread.joinable())
        m_thread.join();
    m_thread = std::jthread([this, procedure = std::move(procedure)](std::stop_token stop) {
        TransferResult result = procedure(std::move(stop));
        std::lock_guard lock(m_mutex);
        m_result = std::move(result);
        m_finished = true;
        m_finishedChanged.notify_all();
    });
    return true;
}

bool TransferWorker::startUpload(PortOpener openPort, RadioImage& image,
                                 TransferObserver& observer) {
    return start([openPort = std::move(openPort), &image, &observer](std::stop_token stop) {
        return UploadThreadProc(std::move(stop), openPort, image, observer);
    });
}

bool TransferWorker::startDownload(PortOpener openPort, ImageState& state, DownloadOptions options,
                                   TransferObserver& observer) {
    return start([openPort = std::move(openPort), &state, options = std::move(options),
                  &observer](std::stop_token stop) {
        return DownloadThreadProc(std::move(stop), openPort, state, options, observer);
    });
}

void TransferWorker::requestCancel() {
    if (m_thread.joinable())
        m_thread.request_stop();
}

bool TransferWorker::finished() const {
    std::lock_guard lock(m_mutex);
    return m_finished;
}

bool TransferWorker::waitFor(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(m_mutex);
    return m_finishedChanged.wait_for(lock, timeout, [this] { return m_finished; });
}

void TransferWorker::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

TransferResult TransferWorker::result() const {
    std::lock_guard lock(m_mutex);
    return m_result;
}

} // namespace mz58
