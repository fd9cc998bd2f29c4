#include "TransparentBitmap.h"

#include "platform/Gdi.h"
#include "wizard/PageBitmap.h"

namespace setup {

bool DrawTransparentBitmap(HDC dc, int x, int y, HBITMAP bitmap, COLORREF transColor) {
    const SIZE size = GetBitmapSize(bitmap);
    if (dc == nullptr || size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    const int width = size.cx;
    const int height = size.cy;
    platform::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    platform::UniqueMemoryDc maskDc(::CreateCompatibleDC(dc));
    platform::UniqueMemoryDc copyDc(::CreateCompatibleDC(dc));
    platform::UniqueBitmap mask(::CreateBitmap(width, height, 1, 1, nullptr));
    platform::UniqueBitmap copy;
    {
        // Compatible with the screen: dc may be a memory DC still holding
        // its monochrome default bitmap.
        platform::WindowDc screen(nullptr);
        copy.reset(::CreateCompatibleBitmap(screen.get(), width, height));
    }
    if (!source || !maskDc || !copyDc || !mask || !copy) {
        return false;
    }
    platform::SelectObjectGuard selectSource(source.get(), bitmap);
    platform::SelectObjectGuard selectMask(maskDc.get(), mask.get());
    platform::SelectObjectGuard selectCopy(copyDc.get(), copy.get());

    // Mask: 1 where the bitmap has the transparent colour, 0 elsewhere.
    ::SetBkColor(source.get(), transColor);
    ::BitBlt(maskDc.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);

    // The bitmap with its transparent pixels made black.
    ::BitBlt(copyDc.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    ::SetBkColor(copyDc.get(), RGB(0, 0, 0));
    ::SetTextColor(copyDc.get(), RGB(255, 255, 255));
    ::BitBlt(copyDc.get(), 0, 0, width, height, maskDc.get(), 0, 0, SRCAND);

    // The target made black where the bitmap is opaque, then the bitmap
    // or-ed in.
    platform::DcStateGuard state(dc);
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::BitBlt(dc, x, y, width, height, maskDc.get(), 0, 0, SRCAND);
    return ::BitBlt(dc, x, y, width, height, copyDc.get(), 0, 0, SRCPAINT) != FALSE;
}

bool DrawStretchedBitmap(HDC dc, const RECT& target, HBITMAP bitmap) {
    const SIZE size = GetBitmapSize(bitmap);
    if (dc == nullptr || size.cx <= 0 || size.cy <= 0) {
        return false;
    }
    platform::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source) {
        return false;
    }
    platform::SelectObjectGuard select(source.get(), bitmap);
    platform::DcStateGuard state(dc);
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    return ::StretchBlt(dc, target.left, target.top, target.right - target.left,
                        target.bottom - target.top, source.get(), 0, 0, size.cx, size.cy,
                        SRCCOPY) != FALSE;
}

}  // namespace setup
