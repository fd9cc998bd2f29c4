#include "PnpThread.h"

CPnpThread::CPnpThread(std::function<void()> work, DWORD intervalMs)
    : m_work(std::move(work)),
      m_intervalMs(intervalMs),
      m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CPnpThread::~CPnpThread() {
    Stop();
}

bool CPnpThread::Start() {
    if (m_thread.valid()) {
        return true;
    }
    if (!m_stop.valid()) {
        return false;
    }
    ResetEvent(m_stop.get());
    m_thread.reset(CreateThread(nullptr, 0, &CPnpThread::ThreadMain, this, 0, nullptr));
    return m_thread.valid();
}

void CPnpThread::Stop() {
    if (!m_thread.valid()) {
        return;
    }
    SetEvent(m_stop.get());
    WaitForSingleObject(m_thread.get(), INFINITE);
    m_thread.reset();
}

DWORD WINAPI CPnpThread::ThreadMain(void* self) {
    auto* thread = static_cast<CPnpThread*>(self);
    do {
        thread->m_work();
    } while (WaitForSingleObject(thread->m_stop.get(), thread->m_intervalMs) == WAIT_TIMEOUT);
    return 0;
}
