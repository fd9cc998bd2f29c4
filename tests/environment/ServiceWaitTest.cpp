#include "environment/ServiceWait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using setup::ServiceProgress;

// A service whose status follows a script, one entry per query, under a
// clock that only the waiter's sleeps move.
class ScriptedService {
public:
    explicit ScriptedService(std::vector<ServiceProgress> script, DWORD start = 0)
        : m_script(std::move(script)), m_now(start) {}

    setup::ServiceWaitHooks Hooks() {
        setup::ServiceWaitHooks hooks;
        hooks.query = [this](ServiceProgress& status) -> DWORD {
            if (m_queries >= m_script.size()) {
                ADD_FAILURE() << "queried after the script ended";
                return 5;
            }
            status = m_script[m_queries++];
            return 0;
        };
        hooks.now = [this] { return m_now; };
        hooks.sleep = [this](DWORD ms) {
            m_sleeps.push_back(ms);
            m_now += ms;
        };
        return hooks;
    }

    size_t queries() const { return m_queries; }
    const std::vector<DWORD>& sleeps() const { return m_sleeps; }

private:
    std::vector<ServiceProgress> m_script;
    size_t m_queries = 0;
    DWORD m_now;
    std::vector<DWORD> m_sleeps;
};

ServiceProgress Status(DWORD state, DWORD checkPoint = 0, DWORD waitHint = 0, DWORD exitCode = 0) {
    ServiceProgress status;
    status.state = state;
    status.checkPoint = checkPoint;
    status.waitHint = waitHint;
    status.exitCode = exitCode;
    return status;
}

constexpr DWORD kRunning = setup::kServiceRunning;
constexpr DWORD kStarting = setup::kServiceStartPending;
constexpr DWORD kStopped = setup::kServiceStopped;
constexpr DWORD kStopping = setup::kServiceStopPending;

TEST(ServiceWait, NotPendingAtAllAsksNothing) {
    ScriptedService service({});
    EXPECT_EQ(0u,
              setup::WaitForServiceState(Status(kRunning), kRunning, kStarting, service.Hooks()));
    EXPECT_EQ(1053u,
              setup::WaitForServiceState(Status(kStopped), kRunning, kStarting, service.Hooks()));
    EXPECT_EQ(0u, service.queries());
}

TEST(ServiceWait, PauseIsATenthOfTheHintWithinLimits) {
    // Hints of 500 ms, 3 s and 60 s give pauses of 100 (raised), 300 and
    // 1000 ms (lowered); each step moves the check point on.
    ScriptedService service(
        {Status(kStarting, 1, 3000), Status(kStarting, 2, 60000), Status(kRunning)});
    EXPECT_EQ(0u, setup::WaitForServiceState(Status(kStarting, 0, 500), kRunning, kStarting,
                                             service.Hooks()));
    EXPECT_EQ((std::vector<DWORD>{100, 300, 1000}), service.sleeps());
}

TEST(ServiceWait, StalledCheckPointTimesOutAfterTheHint) {
    // 2000 ms hint, pauses of 200 ms, no progress: gives up once more than
    // the hint has passed.
    std::vector<ServiceProgress> script(20, Status(kStarting, 0, 2000));
    ScriptedService service(script);
    EXPECT_EQ(1053u, setup::WaitForServiceState(Status(kStarting, 0, 2000), kRunning, kStarting,
                                                service.Hooks()));
    EXPECT_EQ(11u, service.queries());
}

TEST(ServiceWait, RisingCheckPointRestartsTheTimeOut) {
    // 1000 ms hint; the check point rises every 900 ms for 5 s, then the
    // service runs. Without the restart the wait would end after 1 s.
    std::vector<ServiceProgress> script;
    for (DWORD step = 1; step <= 50; ++step) {
        script.push_back(Status(kStarting, step / 9, 1000));
    }
    script.push_back(Status(kRunning));
    ScriptedService service(script);
    EXPECT_EQ(0u, setup::WaitForServiceState(Status(kStarting, 0, 1000), kRunning, kStarting,
                                             service.Hooks()));
    EXPECT_EQ(script.size(), service.queries());
}

TEST(ServiceWait, ClockWrapDoesNotEndTheWait) {
    ScriptedService service({Status(kStopping, 0, 5000), Status(kStopped)}, 0xFFFFFF00u);
    EXPECT_EQ(0u, setup::WaitForServiceState(Status(kStopping, 0, 5000), kStopped, kStopping,
                                             service.Hooks()));
    EXPECT_EQ(2u, service.queries());
}

TEST(ServiceWait, ServiceThatStopsWhileStartingGivesItsExitCode) {
    ScriptedService service({Status(kStarting, 1, 1000), Status(kStopped, 0, 0, 1067)});
    EXPECT_EQ(1067u, setup::WaitForServiceState(Status(kStarting, 0, 1000), kRunning, kStarting,
                                                service.Hooks()));
}

TEST(ServiceWait, QueryFailureEndsTheWaitWithItsError) {
    setup::ServiceWaitHooks hooks;
    DWORD now = 0;
    hooks.query = [](ServiceProgress&) -> DWORD { return 6; };
    hooks.now = [&now] { return now; };
    hooks.sleep = [&now](DWORD ms) { now += ms; };
    EXPECT_EQ(6u,
              setup::WaitForServiceState(Status(kStarting, 0, 1000), kRunning, kStarting, hooks));
}

}  // namespace
