#include "WorkerThread.h"

#include <algorithm>
#include <exception>

#include "MessageWindow.h"
#include "foundation/Log.h"

namespace platform {

WorkerThread::WorkerThread(MessageWindow& owner)
    : m_owner(&owner), m_cancelEvent(::CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    m_owner->AddWorker(this);
}

WorkerThread::~WorkerThread() {
    FinishForWindow();
    m_owner->RemoveWorker(this);
}

bool WorkerThread::Start(Work work, UINT finishedMessage) {
    if (IsRunning()) {
        ::SetLastError(ERROR_BUSY);
        return false;
    }
    if (m_owner->GetHandle() == nullptr || !m_owner->IsWindow()) {
        ::SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    if (!m_cancelEvent) {
        ::SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    if (m_thread) {
        // The previous work has returned; its thread is at most posting
        // the finished message, which never blocks.
        ::WaitForSingleObject(m_thread.get(), INFINITE);
        m_thread.reset();
    }
    m_target = m_owner->GetHandle();
    m_work = std::move(work);
    m_finishedMessage = finishedMessage;
    m_cancelled = false;
    m_workDone = false;
    ::ResetEvent(m_cancelEvent.get());
    m_thread.reset(::CreateThread(nullptr, 0, &WorkerThread::ThreadMain, this, 0, nullptr));
    return m_thread.valid();
}

void WorkerThread::Cancel() {
    m_cancelled = true;
    ::SetEvent(m_cancelEvent.get());
}

void WorkerThread::Stop() {
    if (!m_thread) {
        return;
    }
    Cancel();
    const HANDLE thread = m_thread.get();
    for (;;) {
        const DWORD wait = ::MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE);
        if (wait != WAIT_OBJECT_0 + 1) {
            break;
        }
        // Delivers the messages other threads are sending to this one (the
        // worker's Send among them) without taking posted ones.
        MSG message;
        ::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    m_thread.reset();
}

bool WorkerThread::IsRunning() const {
    return m_thread.valid() && !m_workDone;
}

bool WorkerThread::WaitCancelled(DWORD milliseconds) const {
    if (IsCancelled()) {
        return true;
    }
    return ::WaitForSingleObject(m_cancelEvent.get(), milliseconds) == WAIT_OBJECT_0 ||
           IsCancelled();
}

bool WorkerThread::PostPayload(UINT message, WPARAM wParam,
                               std::unique_ptr<WorkerPayload> payload) {
    WorkerPayload* raw = payload.get();
    {
        // Registered before posting: the receiver may take it at once.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.push_back({message, std::move(payload)});
    }
    if (::PostMessageA(m_target, message, wParam, reinterpret_cast<LPARAM>(raw)) != FALSE) {
        return true;
    }
    const DWORD error = ::GetLastError();
    TakePayload(reinterpret_cast<LPARAM>(raw));
    ::SetLastError(error);
    return false;
}

bool WorkerThread::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_target, message, wParam, lParam) != FALSE;
}

LRESULT WorkerThread::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_target, message, wParam, lParam);
}

std::unique_ptr<WorkerPayload> WorkerThread::TakePayload(LPARAM lParam) {
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto found = std::find_if(m_pending.begin(), m_pending.end(), [&](const Pending& p) {
        return reinterpret_cast<LPARAM>(p.payload.get()) == lParam;
    });
    if (found == m_pending.end()) {
        return nullptr;
    }
    std::unique_ptr<WorkerPayload> payload = std::move(found->payload);
    m_pending.erase(found);
    return payload;
}

void WorkerThread::FinishForWindow() noexcept {
    Stop();
    DiscardPending();
}

void WorkerThread::DiscardPending() noexcept {
    // The thread has ended: nothing is added any more.
    std::vector<Pending> pending;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        pending.swap(m_pending);
    }
    if (pending.empty()) {
        return;
    }
    // Take the messages that carry them out of the queue, so that none
    // arrives later with a destroyed payload.
    std::vector<UINT> messages;
    for (const Pending& p : pending) {
        if (std::find(messages.begin(), messages.end(), p.message) == messages.end()) {
            messages.push_back(p.message);
        }
    }
    for (UINT id : messages) {
        MSG message;
        while (::PeekMessageA(&message, m_target, id, id, PM_REMOVE | PM_NOYIELD) != FALSE) {
        }
    }
    // The payloads go with the vector.
}

DWORD WINAPI WorkerThread::ThreadMain(void* self) {
    static_cast<WorkerThread*>(self)->Run();
    return 0;
}

void WorkerThread::Run() {
    bool completed = false;
    try {
        if (m_work) {
            m_work(*this);
        }
        completed = true;
    } catch (const std::exception& e) {
        LogWrite("Worker thread failed: %s", e.what());
    } catch (...) {
        LogWrite("Worker thread failed: %s", "unknown exception");
    }
    m_workDone = true;
    if (m_finishedMessage != 0) {
        Post(m_finishedMessage, completed ? 1 : 0, 0);
    }
}

}  // namespace platform
