#include "MyLink.h"

#include <algorithm>

#include "ObjectFont.h"
#include "ObjectWindow.h"
#include "TransparentBitmap.h"
#include "environment/InstallEnv.h"
#include "wizard/PageBitmap.h"
#include "wizard/WizardMessages.h"

namespace {

// The pointer has to rest this long (milliseconds) before the link is hot.
constexpr DWORD kHoverTime = 1;

bool RunsOnUnsupportedPlatform(const std::string& unsupportedOs) {
    CInstallEnv* env = GetInstallEnv();
    if (unsupportedOs.empty() || env == nullptr) {
        return false;
    }
    const std::string& define = env->GetInstallRecord().osDefine;
    return !define.empty() && unsupportedOs.find(define) != std::string::npos;
}

}  // namespace

bool CMyLink::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    WNDCLASSEXA windowClass = {};
    windowClass.lpszClassName = kClassName;
    if (!RegisterWindowClass(windowClass)) {
        why = "the link window class cannot be registered";
        return false;
    }
    m_name = record.name;
    m_script = record.script;
    m_command = record.command;
    m_transColor = record.transColor;
    m_disabledColor = ::GetSysColor(COLOR_GRAYTEXT);
    if (record.colorsGiven) {
        m_hotColor = record.hiColor;
        m_normalColor = record.color;
        m_disabledColor = record.disColor;
    }
    m_unsupported = RunsOnUnsupportedPlatform(record.unsupportedOs);
    if (record.fontGiven) {
        m_font = setup::MakeObjectFont(page, record.font);
    }
    m_boldFont = setup::MakeBoldFont(page);
    if (record.useBitmapIcon) {
        LoadIcons(record, why);
    }

    RECT rect = record.Rect(10, 10);
    if (!Create(kClassName, m_name.c_str(), WS_CHILD | WS_TABSTOP, 0, rect, page,
                kObjectControlId)) {
        why = "the link window cannot be created";
        return false;
    }
    if (!record.HasSize()) {
        const SIZE text = setup::MeasureTextLines(TextFont(), m_name);
        const SIZE icon = IconSize();
        LONG width = text.cx + kTextMargin;
        if (icon.cx > 0) {
            width += icon.cx + kIconGap;
        }
        Move(rect.left, rect.top, width, std::max(text.cy, icon.cy));
    }
    m_tip.Attach(*this, record.tooltip);
    setup::ApplyEnableAndShow(*this, record);
    return true;
}

bool CMyLink::LoadIcons(const OBJECT_RECORD& record, std::string& why) {
    const struct {
        const std::string& name;
        platform::UniqueBitmap& icon;
    } icons[] = {{record.offBitmap, m_offIcon},
                 {record.onBitmap, m_onIcon},
                 {record.clickedBitmap, m_clickedIcon}};
    std::string missing;
    for (const auto& entry : icons) {
        entry.icon = setup::LoadPageBitmap(entry.name);
        if (!entry.name.empty() && !entry.icon) {
            missing += (missing.empty() ? "" : ", ") + entry.name;
        }
    }
    if (!missing.empty()) {
        why = "icon bitmap " + missing + " is missing";
    }
    return missing.empty();
}

COLORREF CMyLink::GetTextColor() const {
    if (m_unsupported || !IsEnabled()) {
        return m_disabledColor;
    }
    return m_state == State::kNormal ? m_normalColor : m_hotColor;
}

HFONT CMyLink::TextFont() const {
    return m_font ? m_font.get() : m_boldFont.get();
}

HBITMAP CMyLink::CurrentIcon() const {
    HBITMAP icon = m_offIcon.get();
    if (m_state == State::kHot && m_onIcon) {
        icon = m_onIcon.get();
    } else if (m_state == State::kPressed && m_clickedIcon) {
        icon = m_clickedIcon.get();
    } else if (m_state == State::kPressed && m_onIcon) {
        icon = m_onIcon.get();
    }
    return icon;
}

SIZE CMyLink::IconSize() const {
    SIZE size = {0, 0};
    for (const platform::UniqueBitmap* icon : {&m_offIcon, &m_onIcon, &m_clickedIcon}) {
        const SIZE one = setup::GetBitmapSize(icon->get());
        size.cx = std::max(size.cx, one.cx);
        size.cy = std::max(size.cy, one.cy);
    }
    return size;
}

void CMyLink::SetState(State state) {
    if (state != m_state) {
        m_state = state;
        setup::RepaintWithParent(*this);
    }
}

void CMyLink::TrackMouse() {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = *this;
    track.dwHoverTime = kHoverTime;
    m_tracking = ::TrackMouseEvent(&track) != FALSE;
}

void CMyLink::OnHover() {
    if (m_state != State::kPressed) {
        SetState(State::kHot);
    }
    Focus();
    if (!m_script.empty()) {
        ::SendMessageA(GetParent(), WM_SET_STATUS_TEXT, 0,
                       reinterpret_cast<LPARAM>(m_script.c_str()));
    }
}

void CMyLink::OnLeave() {
    m_tracking = false;
    SetState(State::kNormal);
    if (!m_script.empty()) {
        ::SendMessageA(GetParent(), WM_SET_STATUS_TEXT, 0, reinterpret_cast<LPARAM>(""));
    }
}

bool CMyLink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) {
                break;
            }
            ::SetCursor(m_unsupported ? ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))
                                      : setup::LinkCursor());
            result = TRUE;
            return true;
        case WM_MOUSEMOVE:
            if (!m_tracking) {
                TrackMouse();
            }
            result = 0;
            return true;
        case WM_MOUSEHOVER:
            OnHover();
            result = 0;
            return true;
        case WM_MOUSELEAVE:
            OnLeave();
            result = 0;
            return true;
        case WM_LBUTTONDOWN:
            SetState(State::kPressed);
            ::SetCapture(*this);
            result = 0;
            return true;
        case WM_LBUTTONUP: {
            if (m_state != State::kPressed) {
                result = 0;
                return true;
            }
            RECT client;
            GetClientRect(client);
            const POINT point = {static_cast<short>(LOWORD(lParam)),
                                 static_cast<short>(HIWORD(lParam))};
            const bool inside = ::PtInRect(&client, point) != FALSE;
            SetState(inside ? State::kHot : State::kNormal);
            if (::GetCapture() == m_hwnd) {
                ::ReleaseCapture();
            }
            if (inside) {
                setup::PostObjectCommand(m_command);
            }
            result = 0;
            return true;
        }
        case WM_GETDLGCODE: {
            // Enter and Space on the focused link are its click.
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            result = (key != nullptr && key->message == WM_KEYDOWN &&
                      (key->wParam == VK_RETURN || key->wParam == VK_SPACE))
                         ? DLGC_WANTMESSAGE
                         : 0;
            return true;
        }
        case WM_KEYDOWN:
            if ((wParam == VK_RETURN || wParam == VK_SPACE) && (lParam & 0x40000000) == 0) {
                setup::PostObjectCommand(m_command);
                result = 0;
                return true;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            setup::RepaintWithParent(*this);
            break;
        case WM_CAPTURECHANGED:
            if (m_state == State::kPressed) {
                SetState(State::kNormal);
            }
            break;
        case WM_ENABLE:
            setup::RepaintWithParent(*this);
            break;
        case WM_ERASEBKGND:
            // The page shows through.
            result = 1;
            return true;
        default:
            break;
    }
    return CustomWindow::OnMessage(message, wParam, lParam, result);
}

bool CMyLink::OnPaint() {
    platform::PaintDc paint(*this);
    if (!paint) {
        return true;
    }
    const HDC dc = paint.get();
    RECT client;
    GetClientRect(client);
    platform::DcStateGuard state(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SelectObject(dc, TextFont());
    ::SetTextColor(dc, GetTextColor());

    RECT text = client;
    const UINT format = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX;
    if (HBITMAP icon = CurrentIcon()) {
        const SIZE size = setup::GetBitmapSize(icon);
        setup::DrawTransparentBitmap(dc, 0, (client.bottom - size.cy) / 2, icon, m_transColor);
        text.left = size.cx + kIconGap;
        RECT measure = text;
        ::DrawTextA(dc, m_name.c_str(), static_cast<int>(m_name.size()), &measure,
                    format | DT_CALCRECT);
        text.top = std::max<LONG>(0, (client.bottom - (measure.bottom - measure.top)) / 2);
    }
    ::DrawTextA(dc, m_name.c_str(), static_cast<int>(m_name.size()), &text, format);
    return true;
}
