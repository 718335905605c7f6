// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CloneProtocol.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace mz58 {

// Runs one transfer on its own thread. The caller keeps the image (or state) and the observer
// alive and leaves the image alone until the worker has finished.
//
// A GUI drives it so: start, forward the observer's calls to its own thread, close the
// progress display with OK on `done`; on Cancel call requestCancel() and keep its event loop
// running until finished() is true (the worker stops at its next cancel check, at most one
// read time-out later), then close with Cancel. Only a successful upload replaces the image.
class TransferWorker {
public:
    TransferWorker() = default;
    // Requests a cancel and waits for the thread.
    ~TransferWorker();
    TransferWorker(const TransferWorker&) = delete;
    TransferWorker& operator=(const TransferWorker&) = delete;

    // False (nothing started) while a transfer is still running.
    [[nodiscard]] bool startUpload(PortOpener openPort, RadioImage& image,
                                   TransferObserver& observer);
    [[nodiscard]] bool startDownload(PortOpener openPort, ImageState& state,
                                     DownloadOptions options, TransferObserver& observer);

    void requestCancel();
    [[nodiscard]] bool finished() const;
    // Waits up to `timeout` for the transfer to end; true when it has.
    [[nodiscard]] bool waitFor(std::chrono::milliseconds timeout) const;
    void wait();
    // The result of the last transfer; meaningful once finished() is true.
    [[nodiscard]] TransferResult result() const;

private:
    template <typename Procedure> bool start(Procedure procedure);

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_finishedChanged;
    bool m_finished = true;
    TransferResult m_result;
    std::jthread m_thread; // last: joined before the members above go away
};

} // namespace mz58
