// RAII for drawing: owned GDI objects (pens, brushes, fonts, bitmaps,
// regions), icons and memory device contexts on the UniqueHandle template;
// guards for the device contexts of a window (BeginPaint/EndPaint,
// GetDC/ReleaseDC); a guard that selects an object into a device context and
// puts the old one back; and one that restores a device context's whole
// state. Destroy in reverse order of creation (declare the guard after the
// object it selects): an object is never deleted while selected.
#pragma once

#include <windows.h>

#include "Handle.h"

namespace platform {

using UniquePen = UniqueHandle<HPEN, DeleteGdiObject, nullptr>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject, nullptr>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject, nullptr>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject, nullptr>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject, nullptr>;

struct DestroyIconCall {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};
// An icon or cursor of our own (LoadImage without LR_SHARED, CreateIcon...);
// never one from LoadIcon, which the system shares.
using UniqueIcon = UniqueHandle<HICON, DestroyIconCall, nullptr>;

struct DeleteDc {
    void operator()(HDC dc) const { ::DeleteDC(dc); }
};
// A device context of our own (CreateCompatibleDC, CreateDC).
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDc, nullptr>;

// BeginPaint on construction, EndPaint on destruction; for WM_PAINT.
// get() is null when BeginPaint failed.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : m_hwnd(hwnd), m_dc(::BeginPaint(hwnd, &m_paint)) {}
    ~PaintDc() {
        if (m_dc != nullptr) {
            ::EndPaint(m_hwnd, &m_paint);
        }
    }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }
    // The area to repaint and whether the background needs erasing.
    const PAINTSTRUCT& paint() const { return m_paint; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_paint = {};
    HDC m_dc;
};

// GetDC on construction, ReleaseDC on destruction; a null window gives the
// screen's device context. get() is null when GetDC failed.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (m_dc != nullptr) {
            ::ReleaseDC(m_hwnd, m_dc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Selects an object into a device context and selects the previous one back
// on destruction. valid() is false when the selection failed; nothing is
// restored then.
class SelectObjectGuard {
public:
    SelectObjectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {
        if (m_old == HGDI_ERROR) {
            m_old = nullptr;
        }
    }
    ~SelectObjectGuard() {
        if (m_old != nullptr) {
            ::SelectObject(m_dc, m_old);
        }
    }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

    bool valid() const { return m_old != nullptr; }
    // The object that was selected before.
    HGDIOBJ previous() const { return m_old; }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// SaveDC on construction, RestoreDC on destruction: text colour, background
// mode, mapping and selections changed in between are undone together.
class DcStateGuard {
public:
    explicit DcStateGuard(HDC dc) : m_dc(dc), m_saved(::SaveDC(dc)) {}
    ~DcStateGuard() {
        if (m_saved != 0) {
            ::RestoreDC(m_dc, m_saved);
        }
    }
    DcStateGuard(const DcStateGuard&) = delete;
    DcStateGuard& operator=(const DcStateGuard&) = delete;

    bool valid() const { return m_saved != 0; }

private:
    HDC m_dc;
    int m_saved;
};

}  // namespace platform
