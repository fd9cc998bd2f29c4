#include "ColorText.h"

#include <algorithm>

#include "ObjectFont.h"
#include "ObjectWindow.h"
#include "wizard/WizardMessages.h"

bool CColorText::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    WNDCLASSEXA windowClass = {};
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    if (!RegisterWindowClass(windowClass)) {
        why = "the text window class cannot be registered";
        return false;
    }
    m_text = record.name;
    m_textColor = record.colorsGiven ? record.color : RGB(0, 0, 0);
    m_backGiven = record.backGiven;
    m_backColor = record.backColor;
    m_alignCenter = record.textAlignCenter;
    if (record.fontGiven) {
        m_font = setup::MakeObjectFont(page, record.font);
    }
    m_boldFont = setup::MakeBoldFont(page);

    const RECT rect = record.Rect(10, 10);
    if (!Create(kClassName, m_text.c_str(), WS_CHILD, 0, rect, page, kObjectControlId)) {
        why = "the text window cannot be created";
        return false;
    }
    if (!record.HasSize()) {
        const SIZE lines = setup::MeasureTextLines(MeasureFont(), m_text);
        const SIZE block = setup::MeasureTextBlock(MeasureFont(), m_text);
        Move(rect.left, rect.top, std::max(lines.cx, block.cx), std::max(lines.cy, block.cy));
    }
    setup::ApplyEnableAndShow(*this, record);
    return true;
}

HFONT CColorText::MeasureFont() const {
    return m_font ? m_font.get() : m_boldFont.get();
}

bool CColorText::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // A background of its own is filled in OnPaint.
    return setup::HandleSeeThroughMessage(message, result) ||
           CustomWindow::OnMessage(message, wParam, lParam, result);
}

bool CColorText::OnPaint() {
    platform::PaintDc paint(*this);
    if (!paint) {
        return true;
    }
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(client);
    if (m_backGiven) {
        platform::UniqueBrush back(::CreateSolidBrush(m_backColor));
        ::FillRect(dc, &client, back.get());
    }
    platform::DcStateGuard state(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_textColor);
    ::SelectObject(
        dc, m_font ? static_cast<HGDIOBJ>(m_font.get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT text = client;
    if (m_alignCenter) {
        const LONG height = setup::MeasureTextLines(MeasureFont(), m_text).cy;
        text.top += (client.bottom - height) / 2;
    }
    ::DrawTextA(dc, m_text.c_str(), static_cast<int>(m_text.size()), &text,
                DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    return true;
}
