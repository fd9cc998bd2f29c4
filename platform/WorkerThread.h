// A worker thread that reports to its owner window by messages.
//
// Handshake between the worker and the window:
// - The window's object owns the WorkerThread (usually as a member) and
//   starts it with a work function. The work runs on its own thread and
//   talks to the window only through Post and PostPayload (and Send for the
//   rare synchronous report); it never touches the window's data directly.
// - A report that carries data posts it with PostPayload as an owned object
//   (a class derived from WorkerPayload): the pointer travels in lParam and
//   the receiver takes ownership back with Take<T>(lParam). A payload that cannot be posted, or
//   that is still waiting in the queue when the window goes away, is
//   destroyed here, so nothing leaks and nothing dangles.
// - Cancel sets a flag and an event; the work checks IsCancelled or waits on
//   WaitCancelled / CancelEvent and returns soon after.
// - The thread is finished before its window is destroyed: when the window
//   receives WM_DESTROY (and when this object is destroyed) the worker is
//   cancelled and waited for. While waiting, messages sent to the waiting
//   thread's windows are still delivered, so a worker blocked in Send
//   completes instead of deadlocking.
// - With a finished message given to Start, the thread always posts it to
//   the window when the work ends: wParam 1 when the work returned, 0 when it
//   threw (the exception is logged: "Worker thread failed: %s").
//
// Start, Cancel, Stop and Take belong to the window's thread; IsCancelled,
// WaitCancelled, Post, PostPayload and Send to the work. A message id used with payloads
// should carry payloads only.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "Handle.h"

namespace platform {

class MessageWindow;

// Base of the data a worker posts to its window.
class WorkerPayload {
public:
    virtual ~WorkerPayload() = default;
};

class WorkerThread {
public:
    using Work = std::function<void(WorkerThread&)>;

    // Attaches the worker to owner, whose window it will report to.
    explicit WorkerThread(MessageWindow& owner);
    // Cancels and waits for a running work; destroys payloads not taken.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Runs work on a new thread. False when a work is still running
    // (ERROR_BUSY), when the owner has no window (ERROR_INVALID_WINDOW_HANDLE)
    // or when the thread cannot be created (the system's error).
    bool Start(Work work, UINT finishedMessage = 0);
    // Asks the work to stop; returns at once.
    void Cancel();
    // Cancels and waits until the thread has ended (delivering sent messages
    // meanwhile). Does nothing when no thread runs.
    void Stop();
    // True from Start until the work has returned. A window may start the
    // worker again from the handler of its finished message.
    bool IsRunning() const;

    // For the work.
    bool IsCancelled() const { return m_cancelled.load(); }
    // Waits up to milliseconds for a cancel; true when cancelled.
    bool WaitCancelled(DWORD milliseconds) const;
    HANDLE CancelEvent() const { return m_cancelEvent.get(); }
    // Posts message with the payload in lParam; the receiver takes it with
    // Take. False when it could not be posted: the payload is destroyed then.
    bool PostPayload(UINT message, WPARAM wParam, std::unique_ptr<WorkerPayload> payload);
    // Posts a message without payload.
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // Sends a message and waits until the window has handled it.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // For the receiver: takes ownership of the payload in lParam of a
    // message this worker posted. Null when lParam holds no payload of this
    // worker that is still waiting (already taken, never posted), or when it
    // is not a T (that payload is destroyed).
    template <typename T>
    std::unique_ptr<T> Take(LPARAM lParam) {
        std::unique_ptr<WorkerPayload> payload = TakePayload(lParam);
        T* typed = dynamic_cast<T*>(payload.get());
        if (typed == nullptr) {
            return nullptr;
        }
        payload.release();
        return std::unique_ptr<T>(typed);
    }

private:
    friend class MessageWindow;
    struct Pending {
        UINT message;
        std::unique_ptr<WorkerPayload> payload;
    };

    static DWORD WINAPI ThreadMain(void* self);
    void Run();
    std::unique_ptr<WorkerPayload> TakePayload(LPARAM lParam);
    // Stop, then destroy the payloads not taken, removing their messages
    // from the window's queue first.
    void FinishForWindow() noexcept;
    void DiscardPending() noexcept;

    MessageWindow* m_owner;
    HWND m_target = nullptr;
    Work m_work;
    UINT m_finishedMessage = 0;
    std::atomic<bool> m_cancelled{false};
    // Set when the work has returned; the thread then only posts the
    // finished message and ends.
    std::atomic<bool> m_workDone{false};
    UniqueHandleNull m_cancelEvent;
    UniqueHandleNull m_thread;
    std::mutex m_mutex;
    std::vector<Pending> m_pending;
};

}  // namespace platform
