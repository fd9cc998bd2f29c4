// The fault guard: every kind of fault comes back as a result, exceptions
// handled inside the call stay inside, guards nest, threads fault at the same
// time, and the thread is fit for more work afterwards (stack guard, control
// words).
#include "platform/FaultGuard.h"

#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <atomic>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::FaultInfo;
using platform::RunGuarded;

int* volatile g_null = nullptr;
volatile int g_zero = 0;
volatile bool g_recurse = true;

__attribute__((noipa)) void WriteNull() {
    *g_null = 1;
}
int* volatile g_wild = reinterpret_cast<int*>(0x10);
__attribute__((noipa)) int ReadWild() {
    return *g_wild;
}
__attribute__((noipa)) int Divide() {
    return 100 / g_zero;
}
__attribute__((noipa)) void Throw() {
    throw std::runtime_error("thrown inside");
}
__attribute__((noipa)) void Raise() {
    RaiseException(0xE0001234, 0, 0, nullptr);
}
__attribute__((noipa)) void Illegal() {
    asm volatile("ud2");
}
__attribute__((noipa)) int Recurse(int depth) {
    volatile char pad[512];
    pad[0] = static_cast<char>(depth);
    return g_recurse ? Recurse(depth + 1) + pad[0] : 0;
}

TEST(FaultGuardTest, EveryKindOfFaultComesBackAsItsCode) {
    struct Case {
        const char* name;
        std::function<void()> call;
        DWORD code;
    } cases[] = {
        {"write through null", [] { WriteNull(); }, EXCEPTION_ACCESS_VIOLATION},
        {"read of a wild address", [] { ReadWild(); }, EXCEPTION_ACCESS_VIOLATION},
        {"integer division by zero", [] { Divide(); }, EXCEPTION_INT_DIVIDE_BY_ZERO},
        {"illegal instruction", [] { Illegal(); }, EXCEPTION_ILLEGAL_INSTRUCTION},
        {"raised exception", [] { Raise(); }, 0xE0001234},
        {"stack overflow", [] { Recurse(0); }, EXCEPTION_STACK_OVERFLOW},
        {"C++ exception", [] { Throw(); }, platform::kCxxExceptionCode},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FaultInfo fault;
        fault.code = 0xdeadbeef;
        EXPECT_FALSE(RunGuarded(c.call, &fault));
        EXPECT_EQ(fault.code, c.code);
        if (c.code != platform::kCxxExceptionCode) {
            EXPECT_NE(fault.address, nullptr);
        }
    }
}

TEST(FaultGuardTest, NormalCallRunsOnceAndReportsNothing) {
    int runs = 0;
    FaultInfo fault;
    fault.code = 0xdeadbeef;
    EXPECT_TRUE(RunGuarded([&] { ++runs; }, &fault));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(fault.code, 0u);
    EXPECT_EQ(fault.address, nullptr);
    EXPECT_TRUE(RunGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 2);
}

TEST(FaultGuardTest, ExceptionsHandledInsideTheCallStayInside) {
    int caught = 0;
    EXPECT_TRUE(RunGuarded([&] {
        try {
            Throw();
        } catch (const std::runtime_error&) {
            ++caught;
        }
    }));
    EXPECT_EQ(caught, 1);
    // The system handles its own probe of a bad address inside the call.
    BOOL bad = FALSE;
    EXPECT_TRUE(RunGuarded([&] { bad = IsBadReadPtr(reinterpret_cast<void*>(0x10), 4); }));
    EXPECT_TRUE(bad);
}

TEST(FaultGuardTest, GuardsNest) {
    FaultInfo inner;
    FaultInfo outer;
    bool innerResult = true;
    int after = 0;
    EXPECT_FALSE(RunGuarded(
        [&] {
            innerResult = RunGuarded([] { Divide(); }, &inner);
            ++after;  // the outer call goes on after the inner fault
            WriteNull();
            ++after;
        },
        &outer));
    EXPECT_FALSE(innerResult);
    EXPECT_EQ(inner.code, static_cast<DWORD>(EXCEPTION_INT_DIVIDE_BY_ZERO));
    EXPECT_EQ(outer.code, static_cast<DWORD>(EXCEPTION_ACCESS_VIOLATION));
    EXPECT_EQ(after, 1);
}

TEST(FaultGuardTest, StackOverflowIsCaughtAgainOnTheSameThread) {
    auto overflowThreeTimes = [] {
        for (int i = 0; i < 3; ++i) {
            FaultInfo fault;
            EXPECT_FALSE(RunGuarded([] { Recurse(0); }, &fault));
            EXPECT_EQ(fault.code, static_cast<DWORD>(EXCEPTION_STACK_OVERFLOW)) << i;
        }
        // Deep but finite recursion still works afterwards.
        char buffer[64 * 1024];
        buffer[0] = 1;
        volatile char* keep = buffer;
        EXPECT_EQ(keep[0], 1);
    };
    overflowThreeTimes();
    std::thread worker(overflowThreeTimes);
    worker.join();
}

struct Counted {
    explicit Counted(int& count) : m_count(count) {}
    ~Counted() { ++m_count; }
    int& m_count;
};

__attribute__((noipa)) void HoldAndFault(int& destroyed) {
    Counted held(destroyed);
    WriteNull();
}
__attribute__((noipa)) void HoldAndThrow(int& destroyed) {
    Counted held(destroyed);
    Throw();
}

// Callers rely on this: a guarded callable must not own anything, because a
// fault skips the destructors of g++ frames, while a C++ exception runs them.
TEST(FaultGuardTest, DestructorsInsideTheCallRunOnlyForCxxExceptions) {
    int destroyed = 0;
    EXPECT_FALSE(RunGuarded([&] { HoldAndFault(destroyed); }));
    EXPECT_EQ(destroyed, 0);
    EXPECT_FALSE(RunGuarded([&] { HoldAndThrow(destroyed); }));
    EXPECT_EQ(destroyed, 1);
}

TEST(FaultGuardTest, FloatingPointControlWordsAreRestored) {
    const unsigned int before = _mm_getcsr();
    EXPECT_FALSE(RunGuarded([] {
        _mm_setcsr((_mm_getcsr() & ~0x6000u) | 0x6000u | 0x8000u);  // round to zero, FTZ
        WriteNull();
    }));
    EXPECT_EQ(_mm_getcsr(), before);
}

TEST(FaultGuardTest, ThreadsFaultAtTheSameTime) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 300;
    std::atomic<int> faults{0};
    std::atomic<int> normal{0};
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                FaultInfo fault;
                const bool faulted = (i + t) % 3 == 0;
                const bool returned = faulted ? RunGuarded([] { WriteNull(); }, &fault)
                                              : RunGuarded([&] { normal++; }, &fault);
                if (returned == faulted) {
                    wrong++;
                } else if (faulted) {
                    faults++;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(faults.load() + normal.load(), kThreads * kRounds);
    EXPECT_GT(faults.load(), 0);
}

}  // namespace
