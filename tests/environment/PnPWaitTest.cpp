// The plug-and-play wait against Wine's Setup API, which has no device
// installation pending.
#include "environment/PnPWait.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(PnPWait, NothingPendingReturnsFalseAtOnce) {
    for (bool bringForward : {false, true}) {
        const DWORD started = GetTickCount();
        EXPECT_FALSE(setup::WaitForPnP(bringForward));
        // One query of at most a second, not the minute-long wait.
        EXPECT_LT(GetTickCount() - started, 1500u);
    }
    // The Setup API library is released again.
    EXPECT_EQ(nullptr, GetModuleHandleA("setupapi.dll"));
}

}  // namespace
