#include "ToolTip.h"

#include <vector>

namespace platform {

namespace {

// Longest text read back from a tool.
constexpr size_t kMaxText = 1024;

}  // namespace

bool ToolTip::Create(HWND owner, DWORD style) {
    const RECT rect = {0, 0, 0, 0};
    if (!Window::Create(WS_EX_TOPMOST, kClassName, "", style, rect, owner)) {
        return false;
    }
    ::SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

TTTOOLINFOA ToolTip::MakeInfo(HWND tool, const char* text) const {
    TTTOOLINFOA info = {};
    // The size every version of the control accepts.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(tool) != nullptr ? ::GetParent(tool) : tool;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<char*>(text);
    return info;
}

bool ToolTip::AddTool(HWND tool, const std::string& text) const {
    TTTOOLINFOA info = MakeInfo(tool, text.c_str());
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

bool ToolTip::RemoveTool(HWND tool) const {
    TTTOOLINFOA info = MakeInfo(tool, nullptr);
    const int before = GetToolCount();
    SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    return GetToolCount() < before;
}

bool ToolTip::SetToolText(HWND tool, const std::string& text) const {
    TTTOOLINFOA info = MakeInfo(tool, nullptr);
    if (SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) == FALSE) {
        return false;
    }
    info.lpszText = const_cast<char*>(text.c_str());
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

std::string ToolTip::GetToolText(HWND tool) const {
    std::vector<char> buffer(kMaxText, '\0');
    TTTOOLINFOA info = MakeInfo(tool, nullptr);
    if (SendMessage(TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) == FALSE) {
        return std::string();
    }
    info.lpszText = buffer.data();
    SendMessage(TTM_GETTEXTA, buffer.size(), reinterpret_cast<LPARAM>(&info));
    buffer.back() = '\0';
    return std::string(buffer.data());
}

}  // namespace platform
