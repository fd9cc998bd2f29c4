// A text object: a static text painted in its own colour (black unless
// "COLOR" says otherwise), on its own background colour when "BACK_COLOR"
// is given and on the page's background otherwise; word-wrapped from the
// top-left corner, or centred vertically with "TEXT_ALIGN_CENTER". Sized to
// its text when no size is given. Mouse input goes through to the page.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "platform/CustomWindow.h"
#include "platform/Gdi.h"

class CColorText : public platform::CustomWindow {
public:
    static constexpr const char* kClassName = "SetupPageText";

    CColorText() = default;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    COLORREF GetTextColor() const { return m_textColor; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;

private:
    // The font the text is measured in: its own, else the page's in bold.
    HFONT MeasureFont() const;

    std::string m_text;
    COLORREF m_textColor = RGB(0, 0, 0);
    bool m_backGiven = false;
    COLORREF m_backColor = 0;
    bool m_alignCenter = false;
    platform::UniqueFont m_font;      // from "FONT"
    platform::UniqueFont m_boldFont;  // the page's font in bold, for measuring
};
