// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransferWorker.h"

#include "LinkMessages.h"
#include "ProtocolFixtures.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace mz58::test {
namespace {

using namespace std::chrono_literals;

class TransferWorkerTest : public ProtocolTest {
protected:
    TransferWorkerTest() {
        // Observer calls come from the worker thread; the test reads them after it has ended.
        observer.onCall = [this](const std::string& call) {
            if (std::this_thread::get_id() == testThread)
                onTestThread = true;
            if (call == "text " + std::to_string(msg::kStatusPowerCycle))
                powerCycleShown = true;
        };
    }
    const std::thread::id testThread = std::this_thread::get_id();
    std::atomic<bool> onTestThread{false};
    std::atomic<bool> powerCycleShown{false};
    TransferWorker worker;
};

TEST_F(TransferWorkerTest, RunsTheUploadOnItsOwnThread) {
    ASSERT_TRUE(worker.startUpload(openerFor(link), image, observer));
    ASSERT_TRUE(worker.waitFor(10s));

    EXPECT_TRUE(worker.finished());
    EXPECT_TRUE(worker.result().succeeded());
    EXPECT_EQ(image, radioImage);
    EXPECT_EQ(observer.doneCount, 1);
    EXPECT_FALSE(onTestThread);
}

TEST_F(TransferWorkerTest, CancelEndsTheWaitForASilentRadio) {
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = 1'000'000;
    link.maxTimeouts = 1'000'000;
    // Each read of the silent line takes a little time, as a real one does.
    link.onIdle = [inner = link.onIdle] {
        inner();
        std::this_thread::sleep_for(2ms);
    };

    ASSERT_TRUE(worker.startUpload(openerFor(link), image, observer));
    for (int i = 0; i < 1000 && !powerCycleShown; ++i)
        std::this_thread::sleep_for(5ms);
    ASSERT_TRUE(powerCycleShown);
    EXPECT_FALSE(worker.finished());
    RadioImage other{};
    EXPECT_FALSE(worker.startUpload(openerFor(link), other, observer)) << "one transfer at a time";

    worker.requestCancel();
    ASSERT_TRUE(worker.waitFor(10s));
    EXPECT_EQ(worker.result().outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(observer.doneCount, 0);
    EXPECT_EQ(image, RadioImage{});
    EXPECT_FALSE(link.open);
}

} // namespace
} // namespace mz58::test
