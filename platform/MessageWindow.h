// What our own windows and dialogs share: one virtual message handler that
// turns raw messages into small hooks, the binding between a window handle
// and its object, and the worker threads that report to the window.
//
// The binding: the window procedures of CustomWindow and Dialog keep the
// object's address in the window's GWLP_USERDATA slot (this layer owns that
// slot) and forward every message from then on to HandleMessage, which runs
// OnMessage so that no exception ever leaves it: an exception is logged
// ("Message 0x%04X to [%s] failed: %s") and the message gets its default
// processing instead.
//
// Destruction: the window is destroyed at the latest by the object's
// destructor. By then the derived object is gone, so the destructor first
// unbinds the window and no hook runs for it; a class that wants OnDestroy
// to run destroys its window itself (DestroyWindow, Dialog::End) before.
// Worker threads attached to the window (WorkerThread) are stopped when the
// window receives WM_DESTROY, before OnDestroy runs.
#pragma once

#include <windows.h>

#include <vector>

#include "Window.h"

namespace platform {

class WorkerThread;

class MessageWindow : public Window {
public:
    MessageWindow() = default;
    virtual ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

protected:
    // The one message handler. True when the message was handled, with its
    // result in result; false leaves it to the default processing
    // (DefWindowProc for a window, the dialog manager for a dialog). The
    // base version calls the hooks below; overrides call it for what they do
    // not handle themselves.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // WM_COMMAND: notification code, control or command id, control window.
    virtual bool OnCommand(int notifyCode, int id, HWND control);
    // WM_NOTIFY: the notification's result goes to result.
    virtual bool OnNotify(int id, NMHDR& header, LRESULT& result);
    virtual bool OnTimer(UINT_PTR id);
    // WM_SIZE: the size type (SIZE_RESTORED...) and the new client size.
    virtual bool OnSize(UINT type, int width, int height);
    // WM_PAINT: a handler validates the area, normally with PaintDc (Gdi.h).
    virtual bool OnPaint();
    // WM_DESTROY: the window and its children still exist.
    virtual void OnDestroy();

    // For the window procedures, on windows of their own procedure only: the
    // object bound to hwnd, or null.
    static MessageWindow* FromHandle(HWND hwnd);
    // For the window procedures: binds the object to hwnd, or unbinds it.
    void Bind(HWND hwnd);
    void Unbind();
    // For the window procedures: runs OnMessage and keeps every exception
    // inside. failed is set when OnMessage threw; the message then counts as
    // not handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                       bool& failed) noexcept;

private:
    friend class WorkerThread;
    void AddWorker(WorkerThread* worker);
    void RemoveWorker(WorkerThread* worker);
    void FinishWorkers() noexcept;

    std::vector<WorkerThread*> m_workers;
};

}  // namespace platform
