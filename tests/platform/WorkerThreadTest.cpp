// Worker threads: payloads reach the window and are taken exactly once, the
// thread is finished before its window is destroyed (even while it is
// sending to it), payloads left in the queue are freed, and a failing work
// is reported.
#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

#include "UiTestSupport.h"

namespace {

using platform::WorkerPayload;
using platform::WorkerThread;
using ui_test::PumpUntil;

constexpr UINT kProgress = WM_USER + 20;
constexpr UINT kFinished = WM_USER + 21;
constexpr UINT kAsk = WM_USER + 22;
constexpr UINT kStray = WM_USER + 23;

std::atomic<int> g_livePayloads{0};

struct Progress : WorkerPayload {
    Progress(int s, std::string t) : step(s), text(std::move(t)) { ++g_livePayloads; }
    ~Progress() override { --g_livePayloads; }
    int step;
    std::string text;
};

struct Other : WorkerPayload {};

// A window owning one worker; records what the worker reports.
class WorkerWindow : public ui_test::HostWindow {
public:
    WorkerThread worker{*this};
    std::vector<int> steps;
    std::vector<std::string> texts;
    int finished = 0;
    WPARAM finishedFlag = 99;
    int asks = 0;
    int progressMessages = 0;
    bool takeTwice = false;
    int secondTakes = 0;
    bool workerRunningAtDestroy = true;
    int restartsLeft = 0;
    int restartsRefused = 0;
    WorkerThread::Work restartWork;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        switch (message) {
            case kProgress: {
                ++progressMessages;
                std::unique_ptr<Progress> progress = worker.Take<Progress>(lParam);
                if (progress) {
                    steps.push_back(progress->step);
                    texts.push_back(progress->text);
                }
                if (takeTwice && worker.Take<Progress>(lParam) != nullptr) {
                    ++secondTakes;
                }
                return true;
            }
            case kFinished:
                ++finished;
                finishedFlag = wParam;
                if (restartsLeft > 0) {
                    --restartsLeft;
                    restartsRefused += worker.Start(restartWork, kFinished) ? 0 : 1;
                }
                return true;
            case kAsk:
                ++asks;
                result = 5;
                return true;
            default:
                return HostWindow::OnMessage(message, wParam, lParam, result);
        }
    }
    void OnDestroy() override { workerRunningAtDestroy = worker.IsRunning(); }
};

class WorkerThreadTest : public ::testing::Test {
protected:
    void SetUp() override { g_livePayloads = 0; }
    void TearDown() override { EXPECT_EQ(g_livePayloads.load(), 0); }
};

TEST_F(WorkerThreadTest, PayloadsArriveInOrderAndAreTakenOnce) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    window.takeTwice = true;
    ASSERT_TRUE(window.worker.Start(
        [](WorkerThread& self) {
            for (int i = 1; i <= 3; ++i) {
                self.PostPayload(kProgress, 0,
                                 std::make_unique<Progress>(i, "step " + std::to_string(i)));
            }
        },
        kFinished));
    EXPECT_TRUE(PumpUntil([&] { return window.finished == 1; }));
    EXPECT_EQ(window.steps, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(window.texts, (std::vector<std::string>{"step 1", "step 2", "step 3"}));
    EXPECT_EQ(window.secondTakes, 0);
    EXPECT_EQ(window.finishedFlag, 1u);
    window.worker.Stop();
    EXPECT_FALSE(window.worker.IsRunning());
}

TEST_F(WorkerThreadTest, TakingAnotherTypeOrAStrangeValueGivesNothing) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    LPARAM posted = 0;
    // The payload is posted by hand from this thread, as the work would.
    ASSERT_TRUE(window.worker.Start([](WorkerThread&) {}));
    window.worker.Stop();
    ASSERT_TRUE(window.worker.PostPayload(kStray, 0, std::make_unique<Progress>(1, "x")));
    MSG message;
    ASSERT_TRUE(::PeekMessageA(&message, window, kStray, kStray, PM_REMOVE));
    posted = message.lParam;
    EXPECT_EQ(window.worker.Take<Progress>(12345), nullptr);
    EXPECT_EQ(g_livePayloads.load(), 1);
    EXPECT_EQ(window.worker.Take<Other>(posted), nullptr);
    EXPECT_EQ(g_livePayloads.load(), 0);  // the mistyped payload was freed
    EXPECT_EQ(window.worker.Take<Progress>(posted), nullptr);
}

TEST_F(WorkerThreadTest, WorkerIsFinishedBeforeTheWindowIsDestroyed) {
    std::atomic<bool> ended{false};
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(window.worker.Start([&](WorkerThread& self) {
        while (!self.WaitCancelled(10)) {
        }
        ::Sleep(200);  // a slow clean-up
        ended = true;
    }));
    EXPECT_TRUE(window.worker.IsRunning());
    ASSERT_TRUE(::DestroyWindow(window));
    EXPECT_TRUE(ended.load());
    EXPECT_FALSE(window.workerRunningAtDestroy);
    EXPECT_FALSE(window.worker.IsRunning());
}

TEST_F(WorkerThreadTest, WorkerSendingWhileTheWindowGoesAwayDoesNotDeadlock) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    std::atomic<LRESULT> answer{0};
    ASSERT_TRUE(window.worker.Start([&](WorkerThread& self) {
        // The last report is sent while the window's thread waits for us.
        self.WaitCancelled(INFINITE);
        answer = self.Send(kAsk);
    }));
    ASSERT_TRUE(::DestroyWindow(window));
    EXPECT_EQ(window.asks, 1);
    EXPECT_EQ(answer.load(), 5);
}

TEST_F(WorkerThreadTest, PayloadsNotTakenAreFreedWithTheWindow) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    std::atomic<bool> posted{false};
    ASSERT_TRUE(window.worker.Start([&](WorkerThread& self) {
        self.PostPayload(kProgress, 0, std::make_unique<Progress>(1, "never read"));
        self.PostPayload(kProgress, 0, std::make_unique<Progress>(2, "never read"));
        posted = true;
    }));
    while (!posted) {
        ::Sleep(5);
    }
    EXPECT_EQ(g_livePayloads.load(), 2);
    const HWND hwnd = window;
    ASSERT_TRUE(::DestroyWindow(window));
    EXPECT_EQ(g_livePayloads.load(), 0);
    // Their messages are gone from the queue as well.
    MSG message;
    EXPECT_FALSE(::PeekMessageA(&message, hwnd, kProgress, kProgress, PM_REMOVE));
    EXPECT_TRUE(window.steps.empty());
}

TEST_F(WorkerThreadTest, WorkerGoingAwayBeforeItsWindowTakesItsMessagesAlong) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    auto extra = std::make_unique<WorkerThread>(window);
    ASSERT_TRUE(extra->Start([](WorkerThread& self) {
        self.PostPayload(kProgress, 0, std::make_unique<Progress>(1, "dropped"));
        self.PostPayload(kProgress, 0, std::make_unique<Progress>(2, "dropped"));
    }));
    extra->Stop();
    EXPECT_EQ(g_livePayloads.load(), 2);
    extra.reset();
    EXPECT_EQ(g_livePayloads.load(), 0);
    // No message with a freed payload reaches the window that lives on.
    ui_test::PumpPending();
    EXPECT_EQ(window.progressMessages, 0);
}

TEST_F(WorkerThreadTest, WindowRestartsTheWorkerWhenItReportsTheEnd) {
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    std::atomic<int> runs{0};
    window.restartWork = [&](WorkerThread&) { ++runs; };
    window.restartsLeft = 2;
    ASSERT_TRUE(window.worker.Start(window.restartWork, kFinished));
    EXPECT_TRUE(PumpUntil([&] { return window.finished == 3; }));
    EXPECT_EQ(window.restartsRefused, 0);
    EXPECT_EQ(runs.load(), 3);
}

TEST_F(WorkerThreadTest, FailingWorkIsLoggedAndStillReportsTheEnd) {
    ui_test::LogCapture log;
    WorkerWindow window;
    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(window.worker.Start(
        [](WorkerThread&) { throw std::runtime_error("the work broke on purpose"); }, kFinished));
    EXPECT_TRUE(PumpUntil([&] { return window.finished == 1; }));
    EXPECT_EQ(window.finishedFlag, 0u);
    EXPECT_NE(log.Text().find("Worker thread failed: the work broke on purpose"), std::string::npos)
        << log.Text();
}

TEST_F(WorkerThreadTest, StartIsRefusedWhileRunningOrWithoutAWindow) {
    WorkerWindow window;
    ::SetLastError(0xdeadbeef);
    EXPECT_FALSE(window.worker.Start([](WorkerThread&) {}));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));

    ASSERT_TRUE(window.Open());
    ASSERT_TRUE(window.worker.Start([](WorkerThread& self) { self.WaitCancelled(INFINITE); }));
    ::SetLastError(0xdeadbeef);
    EXPECT_FALSE(window.worker.Start([](WorkerThread&) {}));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_BUSY));
    EXPECT_FALSE(window.worker.IsCancelled());
    window.worker.Stop();
    EXPECT_TRUE(window.worker.IsCancelled());

    // A finished worker starts again, with the cancel flag cleared.
    std::atomic<bool> sawCancel{true};
    ASSERT_TRUE(window.worker.Start([&](WorkerThread& self) { sawCancel = self.IsCancelled(); },
                                    kFinished));
    EXPECT_TRUE(PumpUntil([&] { return window.finished == 1; }));
    EXPECT_FALSE(sawCancel.load());
}

}  // namespace
