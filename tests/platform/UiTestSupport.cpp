#include "UiTestSupport.h"
#include "tests/support/TestFiles.h"

#include <cstdint>
#include <fstream>
#include <sstream>

namespace ui_test {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (done()) {
            return true;
        }
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) {
            return done();
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_ALLINPUT);
    }
}

void PumpPending() {
    PumpUntil([] { return true; }, 0);
}

LogCapture::LogCapture() : m_log("Platform Test", m_dir.path().string(), "platformtest.exe") {
    SetLog(&m_log);
}

LogCapture::~LogCapture() {
    SetLog(nullptr);
}

std::string LogCapture::Text() const {
    return testing_support::ReadTextFile(m_log.GetPath());
}

bool HostWindow::Open(int width, int height, DWORD style) {
    WNDCLASSEXA windowClass = {};
    windowClass.lpszClassName = kClassName;
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterWindowClass(windowClass)) {
        return false;
    }
    RECT rect = {0, 0, width, height};
    ::AdjustWindowRectEx(&rect, style, FALSE, 0);
    ::OffsetRect(&rect, 40 - rect.left, 40 - rect.top);
    if (!Create(kClassName, "Platform test", style & ~WS_VISIBLE, 0, rect, nullptr)) {
        return false;
    }
    Show(SW_SHOWNOACTIVATE);
    return true;
}

bool HostWindow::OnCommand(int code, int id, HWND control) {
    m_commands.push_back({code, id, control});
    return true;
}

namespace {

void Put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

void Put16(std::string& out, uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutId(std::string& out, const char* id) {
    out.append(id, 4);
}

std::string Chunk(const char* id, const std::string& data) {
    std::string out;
    PutId(out, id);
    Put32(out, static_cast<uint32_t>(data.size()));
    out += data;
    if (data.size() % 2 != 0) {
        out.push_back('\0');
    }
    return out;
}

std::string List(const char* type, const std::string& data, const char* id = "LIST") {
    std::string body;
    PutId(body, type);
    body += data;
    return Chunk(id, body);
}

}  // namespace

std::string MakeTestClip(int width, int height, int frames) {
    const uint32_t stride = static_cast<uint32_t>((width * 3 + 3) & ~3);
    const uint32_t frameSize = stride * static_cast<uint32_t>(height);

    std::string avih;
    Put32(avih, 100000);  // microseconds per frame: ten frames a second
    Put32(avih, frameSize * 10);
    Put32(avih, 0);
    Put32(avih, 0x10);  // AVIF_HASINDEX
    Put32(avih, static_cast<uint32_t>(frames));
    Put32(avih, 0);
    Put32(avih, 1);
    Put32(avih, frameSize);
    Put32(avih, static_cast<uint32_t>(width));
    Put32(avih, static_cast<uint32_t>(height));
    for (int i = 0; i < 4; ++i) {
        Put32(avih, 0);
    }

    std::string strh;
    PutId(strh, "vids");
    PutId(strh, "DIB ");
    Put32(strh, 0);
    Put16(strh, 0);
    Put16(strh, 0);
    Put32(strh, 0);
    Put32(strh, 1);   // scale
    Put32(strh, 10);  // rate: ten frames a second
    Put32(strh, 0);
    Put32(strh, static_cast<uint32_t>(frames));
    Put32(strh, frameSize);
    Put32(strh, 0xFFFFFFFF);
    Put32(strh, 0);
    Put16(strh, 0);
    Put16(strh, 0);
    Put16(strh, static_cast<uint16_t>(width));
    Put16(strh, static_cast<uint16_t>(height));

    std::string strf;
    Put32(strf, 40);
    Put32(strf, static_cast<uint32_t>(width));
    Put32(strf, static_cast<uint32_t>(height));
    Put16(strf, 1);
    Put16(strf, 24);
    Put32(strf, 0);  // BI_RGB
    Put32(strf, frameSize);
    for (int i = 0; i < 4; ++i) {
        Put32(strf, 0);
    }

    std::string movi;
    std::string index;
    for (int f = 0; f < frames; ++f) {
        std::string pixels(frameSize, '\0');
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                // A bar that moves across the frames.
                const bool bar = (x + f * 2) % width < width / 4;
                char* p = &pixels[y * stride + x * 3];
                p[0] = static_cast<char>(bar ? 0x20 : 0xF0);
                p[1] = static_cast<char>(bar ? 0x90 : 0xF0);
                p[2] = static_cast<char>(bar ? 0x20 : 0xF0);
            }
        }
        PutId(index, "00db");
        Put32(index, 0x10);  // AVIIF_KEYFRAME
        Put32(index, static_cast<uint32_t>(4 + movi.size()));
        Put32(index, frameSize);
        movi += Chunk("00db", pixels);
    }

    const std::string strl = List("strl", Chunk("strh", strh) + Chunk("strf", strf));
    const std::string hdrl = List("hdrl", Chunk("avih", avih) + strl);
    return List("AVI ", hdrl + List("movi", movi) + Chunk("idx1", index), "RIFF");
}

bool SameRect(const RECT& r, const RECT& expected) {
    return ::EqualRect(&r, &expected) != FALSE;
}

std::string RectText(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

}  // namespace ui_test
