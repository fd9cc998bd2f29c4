#include "PageConfig.h"

#include <algorithm>
#include <cctype>

#include "PageBitmap.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// The owner's frame: window size minus client size.
SIZE FrameOf(HWND window) {
    RECT outer = {};
    RECT client = {};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    return SIZE{(outer.right - outer.left) - client.right,
                (outer.bottom - outer.top) - client.bottom};
}

}  // namespace

CConfigFile* CPageConfig::GetConfigure() {
    CInstallEnv* env = GetInstallEnv();
    return env != nullptr ? &env->GetConfigFiles().Configure() : nullptr;
}

bool CPageConfig::GetValue(const char* key, std::string& value, bool common) const {
    CConfigFile* config = GetConfigure();
    if (config == nullptr || m_section.empty()) {
        return false;
    }
    if (config->GetString(m_section.c_str(), key, value, true)) {
        return true;
    }
    if (!m_baseSection.empty() && config->GetString(m_baseSection.c_str(), key, value, true)) {
        return true;
    }
    return common && config->GetString(kCommonSection, key, value, true);
}

bool CPageConfig::GetDword(const char* key, DWORD& value, bool common) const {
    std::string text;
    if (!GetValue(key, text, common)) {
        return false;
    }
    value = CProfile::StringToDword(text.c_str());
    return true;
}

bool CPageConfig::SetConfig(const platform::Window* owner, const std::string& section,
                            bool embedded) {
    if (owner == nullptr) {
        LogWrite("Set Configuration fail due to invalid parameter");
        return false;
    }
    m_owner = owner;
    m_section = section;
    m_embedded = embedded;
    m_baseSection.clear();
    m_caption.clear();
    m_backBitmap.clear();
    m_stretchBack = false;
    m_rect = RECT{};
    m_rectGiven = false;
    m_posType = kCentred;
    m_blockCancel = false;
    m_background.reset();
    m_backgroundLoaded = false;

    CConfigFile* config = GetConfigure();
    if (config == nullptr) {
        return true;
    }
    std::string value;
    if (config->GetString(m_section.c_str(), "BASE_ON", value, true)) {
        m_baseSection = value;
    }
    if (!GetValue("CAPTION", m_caption, true)) {
        m_caption = GetInstallEnv()->GetProgramInfo().programName;
    }
    GetValue("BACK_BMP", m_backBitmap, true);
    DWORD number = 0;
    m_stretchBack = GetDword("STRETCH_BACK_BMP", number, true) && number != 0;

    if (config->GetRect(m_section.c_str(), "DLG_RECT", m_rect) ||
        (!m_baseSection.empty() && config->GetRect(m_baseSection.c_str(), "DLG_RECT", m_rect))) {
        m_rectGiven = true;
    } else if (!config->GetRect(kCommonSection, "DLG_RECT", m_rect)) {
        m_rect = RECT{};
    }

    if (GetValue("DLG_POS_TYPE", value, true)) {
        const std::string type = Upper(value);
        m_posType = type == "FREE" ? kFree : type == "FULL_SCREEN" ? kFullScreen : kCentred;
    }
    m_blockCancel = config->GetString(m_section.c_str(), "BLOCK_CANCEL", value, true) &&
                    CProfile::StringToDword(value.c_str()) != 0;

    m_objects.Build(*config, m_section, m_baseSection);
    return true;
}

void CPageConfig::Clear() {
    m_objects.Clear();
    m_background.reset();
    m_backgroundLoaded = false;
}

HBITMAP CPageConfig::BackgroundBitmap() const {
    if (!m_backgroundLoaded) {
        m_background = setup::LoadPageBitmap(m_backBitmap);
        m_backgroundLoaded = true;
    }
    return m_background.get();
}

// The owner gets its size here: a page inside the wizard takes the page
// rectangle's size (the wizard moves it to its client area's corner and
// sizes itself around it); a modal page or a window of its own is centred
// on the screen; a full-screen one covers it.
void CPageConfig::Place(bool modal) {
    const HWND owner = GetOwner();
    if (owner == nullptr) {
        return;
    }
    m_objects.CreateWindows(owner);

    const SIZE frame = FrameOf(owner);
    if (::IsRectEmpty(&m_rect)) {
        // Without a rectangle the background bitmap gives the size.
        if (const HBITMAP bitmap = BackgroundBitmap()) {
            const SIZE size = setup::GetBitmapSize(bitmap);
            m_rect = RECT{0, 0, size.cx + frame.cx, size.cy + frame.cy};
        }
    }
    int width = m_rect.right - m_rect.left;
    int height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0) {
        // Neither a rectangle nor a background: a window of no size would
        // show nothing, so the owner keeps the size its template gave it.
        LogWrite("[%s] has no DLG_RECT and no background bitmap: the template's size is kept",
                 m_section.c_str());
        RECT current = {};
        ::GetWindowRect(owner, &current);
        width = current.right - current.left;
        height = current.bottom - current.top;
    }
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    const UINT noZ = SWP_NOZORDER | SWP_NOACTIVATE;
    if (modal || (!m_embedded && m_posType == kCentred)) {
        const int outerWidth = width + frame.cx;
        const int outerHeight = height + frame.cy;
        ::SetWindowPos(owner, nullptr, (screenWidth - outerWidth) / 2,
                       (screenHeight - outerHeight) / 2, outerWidth, outerHeight,
                       noZ | (modal ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    } else if (m_posType == kFullScreen) {
        ::SetWindowPos(owner, nullptr, 0, 0, screenWidth, screenHeight, noZ | SWP_HIDEWINDOW);
    } else {
        ::SetWindowPos(owner, nullptr, 0, 0, width, height, noZ | SWP_NOMOVE | SWP_HIDEWINDOW);
    }
}

void CPageConfig::Paint(HDC dc) const {
    const HWND owner = GetOwner();
    if (owner == nullptr || dc == nullptr) {
        return;
    }
    if (const HBITMAP bitmap = BackgroundBitmap()) {
        const SIZE size = setup::GetBitmapSize(bitmap);
        platform::UniqueMemoryDc memory(::CreateCompatibleDC(dc));
        if (memory) {
            const platform::SelectObjectGuard select(memory.get(), bitmap);
            RECT client = {};
            ::GetClientRect(owner, &client);
            if (m_stretchBack) {
                const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
                ::SetBrushOrgEx(dc, 0, 0, nullptr);
                ::StretchBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, size.cx,
                             size.cy, SRCCOPY);
                ::SetStretchBltMode(dc, oldMode);
            } else {
                ::BitBlt(dc, 0, 0, std::min<LONG>(size.cx, client.right),
                         std::min<LONG>(size.cy, client.bottom), memory.get(), 0, 0, SRCCOPY);
            }
        }
    }
    m_objects.PaintDrawings(dc);
}
