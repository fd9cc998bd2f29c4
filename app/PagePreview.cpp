#include "PagePreview.h"

#include <fstream>

#include "environment/InstallEnv.h"
#include "foundation/NameCompare.h"
#include "platform/CustomWindow.h"
#include "platform/Gdi.h"
#include "wizard/PageBitmap.h"
#include "wizard/PageFactory.h"

namespace {

constexpr const char* kHostClass = "PagePreviewHost";

// A top-most popup without a frame whose client area shows the page.
class PreviewHost : public platform::CustomWindow {
public:
    bool Open(int width, int height) {
        WNDCLASSEXA windowClass = {};
        windowClass.lpszClassName = kHostClass;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        RECT rect = {0, 0, width, height};
        return RegisterWindowClass(windowClass) &&
               Create(kHostClass, "Page preview", WS_POPUP, WS_EX_TOPMOST, rect, nullptr);
    }
};

void Pump(DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < milliseconds);
}

// The window's area on the screen as a 24-bit BMP file.
bool WriteScreenBmp(HWND window, const std::string& path) {
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return false;
    }
    platform::WindowDc screen(nullptr);
    platform::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    platform::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    if (!memory || !bitmap) {
        return false;
    }
    {
        platform::SelectObjectGuard select(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int row = (width * 3 + 3) & ~3;
    info.biSizeImage = static_cast<DWORD>(row * height);
    std::string pixels(info.biSizeImage, '\0');
    if (::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), &pixels[0],
                    reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
        return false;
    }
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

std::string FileNameOf(int number, const std::string& section) {
    char prefix[16];
    wsprintfA(prefix, "%02d_", number);
    std::string name = prefix + section;
    for (char& c : name) {
        if (c == '\\' || c == '/' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || c == ' ') {
            c = '_';
        }
    }
    return name + ".bmp";
}

}  // namespace

bool CPagePreview::FindPages(const std::string& dialogsSection, std::vector<std::string>& pages,
                             std::string& error) {
    CConfigFile& config = m_env.GetConfigFiles().Configure();
    std::string list = dialogsSection;
    if (list.empty()) {
        std::string start;
        if (!config.FindSectionVariant("INSTALL_START_INFO", start)) {
            error = "no INSTALL_START_INFO section";
            return false;
        }
        if (!config.GetString(start.c_str(), "DIALOGS", list, true) || list.empty()) {
            error = "[" + start + "] has no DIALOGS key";
            return false;
        }
    }
    std::string resolved;
    if (!config.FindSectionVariant(list.c_str(), resolved)) {
        error = "page list [" + list + "] does not resolve";
        return false;
    }
    std::vector<std::string> lines;
    if (!config.GetSectionLines(resolved.c_str(), lines, true)) {
        error = "page list [" + resolved + "] cannot be read";
        return false;
    }
    // Read as the wizard reads it: names trimmed, the list ends at the
    // first empty entry.
    for (const std::string& line : lines) {
        const std::string entry = setup::TrimBlanks(line);
        if (entry.empty()) {
            break;
        }
        pages.push_back(entry);
    }
    return true;
}

CPagePreview::PageReport CPagePreview::Preview(const std::string& section, int number,
                                               const std::string& outDir) {
    PageReport report;
    report.section = section;
    CConfigFile& config = m_env.GetConfigFiles().Configure();
    std::string resolved;
    if (!config.FindSectionVariant(section.c_str(), resolved)) {
        report.warnings.push_back("the page section does not resolve");
        return report;
    }
    std::unique_ptr<CPageDlg> page = setup::MakePage(resolved);
    if (!page) {
        report.warnings.push_back("the section name holds no page kind");
        return report;
    }
    PreviewHost host;
    if (!host.Open(640, 480)) {
        report.warnings.push_back("no window for the preview");
        return report;
    }
    page->SetConfig(resolved);
    if (!page->CreatePage(host)) {
        report.warnings.push_back("the page window cannot be created");
        return report;
    }
    const CPageConfig& description = page->GetConfig();
    if (!description.GetBackBitmap().empty() &&
        !setup::LoadPageBitmap(description.GetBackBitmap())) {
        report.warnings.push_back("background bitmap " + description.GetBackBitmap() +
                                  " is missing");
    }
    RECT rect = {};
    page->GetRect(rect);
    report.size = SIZE{rect.right - rect.left, rect.bottom - rect.top};
    if (report.size.cx <= 0 || report.size.cy <= 0) {
        report.warnings.push_back("the page has no size (no DLG_RECT and no background)");
        report.size = SIZE{0, 0};
    }
    report.objects = description.GetObjects().GetObjectCount();
    for (const std::string& warning : description.GetObjects().GetWarnings()) {
        report.warnings.push_back(warning);
    }
    if (report.size.cx > 0) {
        host.Move(0, 0, report.size.cx, report.size.cy);
        page->Move(0, 0, report.size.cx, report.size.cy);
        host.Show(SW_SHOWNOACTIVATE);
        page->PrepareEnterPage();
        page->Show(SW_SHOWNA);
        page->Enable(true);
        page->OnEnterPage(std::string());
        host.Update();
        page->Update();
        Pump(300);
        const std::string path = outDir + "\\" + FileNameOf(number, resolved);
        if (WriteScreenBmp(host, path)) {
            report.picture = path;
        } else {
            report.warnings.push_back("the picture could not be written");
        }
    }
    // The page goes before its host, whose window it is a child of.
    page.reset();
    host.Destroy();
    return report;
}

std::string CPagePreview::Summary(const PageReport& report) {
    std::string line = report.section + "  " + std::to_string(report.size.cx) + "x" +
                       std::to_string(report.size.cy) + "  " + std::to_string(report.objects) +
                       " objects  ";
    if (report.warnings.empty()) {
        return line + "ok";
    }
    for (size_t i = 0; i < report.warnings.size(); ++i) {
        line += (i == 0 ? "" : "; ") + report.warnings[i];
    }
    return line;
}
