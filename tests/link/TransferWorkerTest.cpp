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

// Observer calls come from the worker thread; the test only reads them after it has ended.
class ThreadCheckingObserver final : public TransferObserver {
public:
    std::atomic<int> calls{0};
    std::atomic<int> dones{0};
    std::atomic<bool> offThread{true};
    std::atomic<bool> powerCycleShown{false};
    std::thread::id testThread = std::this_thread::get_id();

    void setCaption(StringId) override { note(); }
    void setRange(int) override { note(); }
    void setPosition(int) override { note(); }
    void setStatusText(StringId id) override {
        note();
        if (id == msg::kStatusPowerCycle)
            powerCycleShown = true;
    }
    void showMessage(StringId, std::span<const std::string>, Icon) override { note(); }
    void done(const TransferResult&) override {
        note();
        ++dones;
    }

private:
    void note() {
        ++calls;
        if (std::this_thread::get_id() == testThread)
            offThread = false;
    }
};

TEST(TransferWorker, RunsTheUploadOnItsOwnThread) {
    FakeSerialLink link;
    ScriptedRadio radio(link);
    const RadioImage radioImage = radioImageWithAlignment();
    radio.block = radioBlock(radioImage);
    radio.install();
    ThreadCheckingObserver observer;
    RadioImage image{};
    TransferWorker worker;

    ASSERT_TRUE(worker.startUpload(openerFor(link), image, observer));
    ASSERT_TRUE(worker.waitFor(10s));

    EXPECT_TRUE(worker.finished());
    EXPECT_TRUE(worker.result().succeeded());
    EXPECT_EQ(image, radioImage);
    EXPECT_EQ(observer.dones, 1);
    EXPECT_TRUE(observer.offThread);
}

TEST(TransferWorker, CancelEndsTheWaitForASilentRadio) {
    FakeSerialLink link;
    ScriptedRadio radio(link);
    radio.block = radioBlock(radioImageWithAlignment());
    radio.startsOff = true;
    radio.timeoutsBeforePowerOn = 1'000'000;
    radio.install();
    link.maxTimeouts = 1'000'000;
    // Each read of the silent line takes a little time, as a real one does.
    link.onIdle = [inner = link.onIdle] {
        inner();
        std::this_thread::sleep_for(2ms);
    };
    ThreadCheckingObserver observer;
    RadioImage image{};
    TransferWorker worker;

    ASSERT_TRUE(worker.startUpload(openerFor(link), image, observer));
    for (int i = 0; i < 1000 && !observer.powerCycleShown; ++i)
        std::this_thread::sleep_for(5ms);
    ASSERT_TRUE(observer.powerCycleShown);
    EXPECT_FALSE(worker.finished());
    RadioImage other{};
    EXPECT_FALSE(worker.startUpload(openerFor(link), other, observer)) << "one transfer at a time";

    worker.requestCancel();
    ASSERT_TRUE(worker.waitFor(10s));
    EXPECT_EQ(worker.result().outcome, TransferOutcome::Cancelled);
    EXPECT_EQ(observer.dones, 0);
    EXPECT_EQ(image, RadioImage{});
    EXPECT_FALSE(link.open);
}

} // namespace
} // namespace mz58::test
