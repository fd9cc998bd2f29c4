// Service start, stop and query against Wine's service manager, on
// "wuauserv" (Wine's update service, a program that does nothing but wait
// to be stopped).
#include "environment/Services.h"

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "platform/Handle.h"

namespace {

constexpr const char* kService = "wuauserv";

// Milliseconds since the service manager (services.exe) started; 0 when it
// cannot be found.
ULONGLONG ServiceManagerAge() {
    const platform::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return 0;
    }
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot.get(), &entry); more;
         more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, "services.exe") != 0) {
            continue;
        }
        const platform::UniqueHandleNull process(
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        FILETIME created = {};
        FILETIME unused = {};
        FILETIME now = {};
        if (!process || !GetProcessTimes(process.get(), &created, &unused, &unused, &unused)) {
            return 0;
        }
        GetSystemTimeAsFileTime(&now);
        const auto ticks = [](const FILETIME& time) {
            return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
        };
        return ticks(now) > ticks(created) ? (ticks(now) - ticks(created)) / 10000 : 0;
    }
    return 0;
}

// For about a minute after a fresh prefix boots, Wine's service manager
// starts its device services one after another, each of which may take ten
// seconds; a start made meanwhile is refused as "locked", or times out and
// leaves service processes whose late reports flip the state for a minute
// more. Waits until the service manager has run for 75 seconds, then cycles
// the service through a start and a stop until both hold for two seconds
// (for at most two minutes in all), so that the test itself runs on a
// settled service manager.
bool SettleService(const char* name) {
    constexpr ULONGLONG kBootTime = 75000;
    const ULONGLONG age = ServiceManagerAge();
    if (age < kBootTime) {
        Sleep(static_cast<DWORD>(kBootTime - age));
    }
    const auto holds = [name](DWORD expected) {
        Sleep(2000);
        DWORD state = 0;
        return setup::QueryServiceState(name, &state) == 0 && state == expected;
    };
    const DWORD started = GetTickCount();
    while (GetTickCount() - started < 120000) {
        if (setup::StartServiceAndWait(name) == 0 && holds(SERVICE_RUNNING) &&
            setup::StopServiceAndWait(name) == 0 && holds(SERVICE_STOPPED)) {
            return true;
        }
        Sleep(1000);
    }
    return false;
}

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(0u, setup::QueryServiceState(kService, &m_initial));
        ASSERT_TRUE(SettleService(kService)) << "Wine's service manager did not settle";
    }
    void TearDown() override {
        if (m_initial == SERVICE_RUNNING) {
            setup::StartServiceAndWait(kService);
        } else {
            setup::StopServiceAndWait(kService);
        }
    }

    DWORD m_initial = 0;
};

TEST_F(ServicesTest, StartsAndStopsAService) {
    EXPECT_EQ(0u, setup::StartServiceAndWait(kService));
    DWORD state = 0;
    ASSERT_EQ(0u, setup::QueryServiceState(kService, &state));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), state);
    // Already running is success.
    EXPECT_EQ(0u, setup::StartServiceAndWait(kService));

    EXPECT_EQ(0u, setup::StopServiceAndWait(kService));
    ASSERT_EQ(0u, setup::QueryServiceState(kService, &state));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), state);
    // Already stopped is success.
    EXPECT_EQ(0u, setup::StopServiceAndWait(kService));
}

TEST(Services, QueriesAWineService) {
    DWORD state = 0xdeadbeef;
    ASSERT_EQ(0u, setup::QueryServiceState("PlugPlay", &state));
    EXPECT_GE(state, static_cast<DWORD>(SERVICE_STOPPED));
    EXPECT_LE(state, static_cast<DWORD>(SERVICE_PAUSED));
}

TEST(Services, MissingServiceOrArgumentIsAnError) {
    DWORD state = 0xdeadbeef;
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST),
              setup::QueryServiceState("NoSuchSetupTestService", &state));
    EXPECT_EQ(0xdeadbeefu, state);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST),
              setup::StartServiceAndWait("NoSuchSetupTestService"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST),
              setup::StopServiceAndWait("NoSuchSetupTestService"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER),
              setup::QueryServiceState("PlugPlay", nullptr));
}

}  // namespace
