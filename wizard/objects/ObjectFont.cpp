#include "ObjectFont.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace setup {
namespace {

LOGFONTA LogFontOf(HFONT font) {
    LOGFONTA logFont = {};
    if (font == nullptr || ::GetObjectA(font, sizeof(logFont), &logFont) == 0) {
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    }
    return logFont;
}

}  // namespace

HFONT PageFont(HWND page) {
    HFONT font =
        page != nullptr ? reinterpret_cast<HFONT>(::SendMessageA(page, WM_GETFONT, 0, 0)) : nullptr;
    return font != nullptr ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

platform::UniqueFont MakeObjectFont(HWND page, const FONT_SECTION& font) {
    LOGFONTA logFont = LogFontOf(PageFont(page));
    if (!font.faceName.empty()) {
        std::memset(logFont.lfFaceName, 0, sizeof(logFont.lfFaceName));
        std::memcpy(logFont.lfFaceName, font.faceName.data(),
                    std::min(font.faceName.size(), sizeof(logFont.lfFaceName) - 1));
    }
    const LONG height = std::labs(font.height);
    logFont.lfHeight = logFont.lfHeight < 0 ? -height : height;
    logFont.lfWidth = font.width;
    logFont.lfWeight = font.bold ? FW_BOLD : 0;
    logFont.lfItalic = font.italic ? TRUE : FALSE;
    logFont.lfUnderline = font.underline ? TRUE : FALSE;
    return platform::UniqueFont(::CreateFontIndirectA(&logFont));
}

platform::UniqueFont MakeBoldFont(HWND page) {
    LOGFONTA logFont = LogFontOf(PageFont(page));
    logFont.lfWeight = FW_BOLD;
    return platform::UniqueFont(::CreateFontIndirectA(&logFont));
}

platform::UniqueFont MakeNormalGuiFont() {
    LOGFONTA logFont = LogFontOf(nullptr);
    logFont.lfWeight = FW_NORMAL;
    return platform::UniqueFont(::CreateFontIndirectA(&logFont));
}

SIZE MeasureTextLines(HFONT font, const std::string& text) {
    SIZE total = {0, 0};
    platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) {
        return total;
    }
    platform::SelectObjectGuard select(dc.get(), font);
    size_t start = 0;
    while (true) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) {
            end = text.size();
        }
        size_t length = end - start;
        if (length > 0 && text[start + length - 1] == '\r') {
            --length;
        }
        SIZE line = {0, 0};
        if (length == 0) {
            TEXTMETRICA metrics = {};
            ::GetTextMetricsA(dc.get(), &metrics);
            line.cy = metrics.tmHeight;
        } else {
            ::GetTextExtentPoint32A(dc.get(), text.data() + start, static_cast<int>(length), &line);
        }
        total.cx = std::max(total.cx, line.cx);
        total.cy += line.cy;
        if (last) {
            break;
        }
        start = end + 1;
    }
    return total;
}

SIZE MeasureTextBlock(HFONT font, const std::string& text) {
    SIZE size = {0, 0};
    platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) {
        return size;
    }
    platform::SelectObjectGuard select(dc.get(), font);
    RECT rect = {0, 0, 0, 0};
    ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &rect,
                DT_CALCRECT | DT_NOPREFIX | DT_LEFT | DT_TOP);
    size.cx = rect.right - rect.left;
    size.cy = rect.bottom - rect.top;
    return size;
}

}  // namespace setup
