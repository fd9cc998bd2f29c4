// A helper thread that calls the package's utility library every five
// seconds while plug-and-play may open its own windows (the new-hardware
// wizard): the call closes or raises them. Stopping wakes the thread at
// once; the object waits for it to end, so the thread never outlives what
// it calls.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/Handle.h"

class CPnpThread {
public:
    static constexpr DWORD kIntervalMs = 5000;

    explicit CPnpThread(std::function<void()> work, DWORD intervalMs = kIntervalMs);
    ~CPnpThread();
    CPnpThread(const CPnpThread&) = delete;
    CPnpThread& operator=(const CPnpThread&) = delete;

    // Starts the thread when it is not running; false (with the thread's
    // error in GetLastError) when it cannot be created.
    bool Start();
    // Asks the thread to end and waits for it.
    void Stop();
    bool IsRunning() const { return m_thread.valid(); }

private:
    static DWORD WINAPI ThreadMain(void* self);

    std::function<void()> m_work;
    DWORD m_intervalMs;
    platform::UniqueHandleNull m_stop;
    platform::UniqueHandleNull m_thread;
};
