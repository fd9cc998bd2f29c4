#include "environment/PnPWaitLoop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// CMP_WaitNoPendingInstallEvents answering from a script; each query takes
// the time it was given, and the answer after the script is "nothing
// pending" (0).
class ScriptedPnP {
public:
    explicit ScriptedPnP(std::vector<DWORD> answers) : m_answers(std::move(answers)) {}

    setup::PnPWaitHooks Hooks() {
        setup::PnPWaitHooks hooks;
        hooks.wait = [this](DWORD ms) -> DWORD {
            EXPECT_EQ(1000u, ms);
            m_now += ms;
            const size_t call = m_calls++;
            return call < m_answers.size() ? m_answers[call] : 0;
        };
        hooks.bringForward = [this] { ++m_forward; };
        hooks.now = [this] { return m_now; };
        return hooks;
    }

    size_t calls() const { return m_calls; }
    int forward() const { return m_forward; }

private:
    std::vector<DWORD> m_answers;
    size_t m_calls = 0;
    int m_forward = 0;
    DWORD m_now = 0;
};

constexpr DWORD kPending = setup::kWaitTimeout;

TEST(PnPWait, NothingPendingEndsAfterOneQuery) {
    for (bool forward : {false, true}) {
        ScriptedPnP pnp({0});
        EXPECT_FALSE(setup::RunPnPWait(forward, pnp.Hooks()));
        EXPECT_EQ(1u, pnp.calls());
        EXPECT_EQ(0, pnp.forward());
    }
}

TEST(PnPWait, BringsTheDialogForwardAfterEachTimeOut) {
    ScriptedPnP pnp({kPending, kPending, kPending, kPending});
    EXPECT_TRUE(setup::RunPnPWait(true, pnp.Hooks()));
    EXPECT_EQ(5u, pnp.calls());
    EXPECT_EQ(3, pnp.forward());
}

TEST(PnPWait, WithTheDialogForwardWaitsBeyondAMinute) {
    ScriptedPnP pnp(std::vector<DWORD>(100, kPending));
    EXPECT_TRUE(setup::RunPnPWait(true, pnp.Hooks()));
    EXPECT_EQ(101u, pnp.calls());
    EXPECT_EQ(99, pnp.forward());
}

TEST(PnPWait, WithoutTheDialogGivesUpAfterAMinute) {
    ScriptedPnP pnp(std::vector<DWORD>(100, kPending));
    EXPECT_TRUE(setup::RunPnPWait(false, pnp.Hooks()));
    EXPECT_EQ(60u, pnp.calls());
    EXPECT_EQ(0, pnp.forward());
}

TEST(PnPWait, EndsWhenTheInstallationsFinish) {
    ScriptedPnP pnp({kPending, kPending});
    EXPECT_TRUE(setup::RunPnPWait(false, pnp.Hooks()));
    EXPECT_EQ(3u, pnp.calls());
}

TEST(PnPWait, AFailedFollowUpQueryEndsTheWait) {
    ScriptedPnP pnp({kPending, 0xFFFFFFFFu, kPending});
    EXPECT_TRUE(setup::RunPnPWait(true, pnp.Hooks()));
    EXPECT_EQ(2u, pnp.calls());
    EXPECT_EQ(0, pnp.forward());
}

}  // namespace
