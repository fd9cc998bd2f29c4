#include "MessageWindow.h"

#include <algorithm>
#include <exception>

#include "WorkerThread.h"
#include "foundation/Log.h"

namespace platform {

namespace {

void ReportFailure(HWND hwnd, UINT message, const char* what) {
    char className[128] = "";
    if (::GetClassNameA(hwnd, className, sizeof(className)) == 0) {
        className[0] = '\0';
    }
    LogWrite("Message 0x%04X to [%s] failed: %s", message, className, what);
}

}  // namespace

MessageWindow::~MessageWindow() {
    if (m_hwnd != nullptr && IsWindow()) {
        const HWND hwnd = m_hwnd;
        Unbind();
        ::DestroyWindow(hwnd);
    }
    m_hwnd = nullptr;
}

MessageWindow* MessageWindow::FromHandle(HWND hwnd) {
    return hwnd != nullptr
               ? reinterpret_cast<MessageWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))
               : nullptr;
}

void MessageWindow::Bind(HWND hwnd) {
    m_hwnd = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void MessageWindow::Unbind() {
    if (m_hwnd != nullptr && FromHandle(m_hwnd) == this) {
        ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
    }
    m_hwnd = nullptr;
}

bool MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                  bool& failed) noexcept {
    failed = false;
    if (message == WM_DESTROY) {
        FinishWorkers();
    }
    try {
        return OnMessage(message, wParam, lParam, result);
    } catch (const std::exception& e) {
        ReportFailure(m_hwnd, message, e.what());
    } catch (...) {
        ReportFailure(m_hwnd, message, "unknown exception");
    }
    failed = true;
    result = 0;
    return false;
}

bool MessageWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            return OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY:
            return lParam != 0 &&
                   OnNotify(static_cast<int>(wParam), *reinterpret_cast<NMHDR*>(lParam), result);
        case WM_TIMER:
            return OnTimer(wParam);
        case WM_SIZE:
            return OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        case WM_PAINT:
            return OnPaint();
        case WM_DESTROY:
            OnDestroy();
            return false;
        default:
            return false;
    }
}

bool MessageWindow::OnCommand(int, int, HWND) {
    return false;
}

bool MessageWindow::OnNotify(int, NMHDR&, LRESULT&) {
    return false;
}

bool MessageWindow::OnTimer(UINT_PTR) {
    return false;
}

bool MessageWindow::OnSize(UINT, int, int) {
    return false;
}

bool MessageWindow::OnPaint() {
    return false;
}

void MessageWindow::OnDestroy() {}

void MessageWindow::AddWorker(WorkerThread* worker) {
    m_workers.push_back(worker);
}

void MessageWindow::RemoveWorker(WorkerThread* worker) {
    m_workers.erase(std::remove(m_workers.begin(), m_workers.end(), worker), m_workers.end());
}

void MessageWindow::FinishWorkers() noexcept {
    // A worker may be detached while another one finishes (its owner reacts
    // to a message delivered during the wait), so walk a copy and skip what
    // has gone.
    const std::vector<WorkerThread*> workers = m_workers;
    for (WorkerThread* worker : workers) {
        if (std::find(m_workers.begin(), m_workers.end(), worker) != m_workers.end()) {
            worker->FinishForWindow();
        }
    }
}

}  // namespace platform
