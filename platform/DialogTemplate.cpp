#include "DialogTemplate.h"

#include <algorithm>

namespace platform {

namespace {

// Offset of the control count (cdit) in DLGTEMPLATE, in WORDs: after the
// style and extended style DWORDs.
constexpr size_t kCountOffset = 4;

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, DWORD exStyle, int x, int y, int width, int height,
                               const std::string& title, const std::string& fontFace,
                               WORD pointSize) {
    if (!fontFace.empty()) {
        style |= DS_SETFONT;
    } else {
        style &= ~static_cast<DWORD>(DS_SETFONT);
    }
    AppendDword(style);
    AppendDword(exStyle);
    m_data.push_back(0);  // control count, raised by each AddControl
    AppendShort(x);
    AppendShort(y);
    AppendShort(width);
    AppendShort(height);
    m_data.push_back(0);  // no menu
    m_data.push_back(0);  // the default dialog class
    AppendText(title);
    if (!fontFace.empty()) {
        m_data.push_back(pointSize);
        AppendText(fontFace);
    }
}

void DialogTemplate::AddControl(WORD id, ControlClass controlClass, const std::string& text,
                                DWORD style, int x, int y, int width, int height, DWORD exStyle) {
    AppendItemHeader(id, style, exStyle, x, y, width, height);
    m_data.push_back(0xFFFF);
    m_data.push_back(static_cast<WORD>(controlClass));
    AppendText(text);
    m_data.push_back(0);  // no creation data
    CountControl();
}

void DialogTemplate::AddControl(WORD id, const std::string& className, const std::string& text,
                                DWORD style, int x, int y, int width, int height, DWORD exStyle) {
    AppendItemHeader(id, style, exStyle, x, y, width, height);
    AppendText(className);
    AppendText(text);
    m_data.push_back(0);  // no creation data
    CountControl();
}

void DialogTemplate::AppendDword(DWORD value) {
    m_data.push_back(LOWORD(value));
    m_data.push_back(HIWORD(value));
}

void DialogTemplate::AppendShort(int value) {
    const int clamped = std::clamp(value, -32768, 32767);
    m_data.push_back(static_cast<WORD>(static_cast<short>(clamped)));
}

void DialogTemplate::AppendText(const std::string& text) {
    if (!text.empty()) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                 static_cast<int>(text.size()), nullptr, 0);
        if (length > 0) {
            std::vector<wchar_t> wide(static_cast<size_t>(length));
            ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                  wide.data(), length);
            m_data.insert(m_data.end(), wide.begin(), wide.end());
        }
    }
    m_data.push_back(0);
}

void DialogTemplate::AlignToDword() {
    if (m_data.size() % 2 != 0) {
        m_data.push_back(0);
    }
}

void DialogTemplate::AppendItemHeader(WORD id, DWORD style, DWORD exStyle, int x, int y, int width,
                                      int height) {
    AlignToDword();
    AppendDword(style | WS_CHILD);
    AppendDword(exStyle);
    AppendShort(x);
    AppendShort(y);
    AppendShort(width);
    AppendShort(height);
    m_data.push_back(id);
}

void DialogTemplate::CountControl() {
    ++m_controlCount;
    m_data[kCountOffset] = static_cast<WORD>(std::min<size_t>(m_controlCount, 0xFFFF));
}

}  // namespace platform
