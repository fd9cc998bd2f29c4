// A bitmap object: a bitmap resource shown at its position, in its own size
// unless "SIZE" gives one. With "TRANS_COLOR" it is drawn 1:1 with the
// pixels of that colour left out (the page shows through); otherwise it is
// stretched to the window with halftone smoothing. A bitmap that cannot be
// loaded leaves the object out. Mouse input goes through to the page.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "platform/CustomWindow.h"
#include "platform/Gdi.h"

class CObjectBitmap : public platform::CustomWindow {
public:
    static constexpr const char* kClassName = "SetupPageBitmap";

    CObjectBitmap() = default;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    // Paints the object as it shows itself, into dc at (0, 0).
    void Draw(HDC dc) const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;

private:
    platform::UniqueBitmap m_bitmap;
    bool m_transGiven = false;
    COLORREF m_transColor = 0;
};
