#include "ObjectBitmap.h"

#include "ObjectWindow.h"
#include "TransparentBitmap.h"
#include "wizard/PageBitmap.h"

bool CObjectBitmap::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    WNDCLASSEXA windowClass = {};
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    if (!RegisterWindowClass(windowClass)) {
        why = "the bitmap window class cannot be registered";
        return false;
    }
    m_bitmap = setup::LoadPageBitmap(record.name);
    if (!m_bitmap) {
        why = "bitmap " + (record.name.empty() ? std::string("(no NAME)") : record.name) +
              " is missing";
        return false;
    }
    m_transGiven = record.transGiven;
    m_transColor = record.transColor;
    const SIZE size = setup::GetBitmapSize(m_bitmap.get());
    const RECT rect = record.Rect(size.cx, size.cy);
    if (!Create(kClassName, record.name.c_str(), WS_CHILD, 0, rect, page, 0)) {
        why = "the bitmap window cannot be created";
        return false;
    }
    setup::ApplyEnableAndShow(*this, record);
    return true;
}

void CObjectBitmap::Draw(HDC dc) const {
    RECT client;
    GetClientRect(client);
    if (m_transGiven) {
        setup::DrawTransparentBitmap(dc, 0, 0, m_bitmap.get(), m_transColor);
    } else {
        setup::DrawStretchedBitmap(dc, client, m_bitmap.get());
    }
}

bool CObjectBitmap::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return setup::HandleSeeThroughMessage(message, result) ||
           CustomWindow::OnMessage(message, wParam, lParam, result);
}

bool CObjectBitmap::OnPaint() {
    platform::PaintDc paint(*this);
    if (paint) {
        Draw(paint.get());
    }
    return true;
}
