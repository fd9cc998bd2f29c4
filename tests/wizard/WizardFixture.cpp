#include "WizardFixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "commands/CommandMessages.h"
#include "tests/support/TestFiles.h"

namespace wizard_test {
namespace {

namespace fs = std::filesystem;

// Every Windows version Wine may report gets a define string.

}  // namespace

bool CommandSink::Open(int width, int height) {
    WNDCLASSEXA windowClass = {};
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    if (!RegisterWindowClass(windowClass)) {
        return false;
    }
    RECT rect = {0, 0, width, height};
    if (!Create(kClassName, kProgram, WS_POPUP | WS_BORDER, 0, rect, nullptr)) {
        return false;
    }
    // Shown without activation: without a window manager, Wine waits when an
    // active window goes away.
    Show(SW_SHOWNOACTIVATE);
    return true;
}

bool CommandSink::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_WIZARD_RUN_COMMAND) {
        // Take the record out of the executor's queue without running it.
        CCmdOperator* commands = GetCmdOperator();
        if (commands != nullptr && lParam != 0) {
            const COMMAND_RECORD* record = reinterpret_cast<const COMMAND_RECORD*>(lParam);
            m_posted.push_back(*record);
        }
        result = 0;
        return true;
    }
    return CustomWindow::OnMessage(message, wParam, lParam, result);
}

void WizardFixture::SetUp() {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    m_cwd = cwd;
    m_log = std::make_unique<CLog>(kProgram, m_dir.path().string(), "wizardtest.exe");
    SetLog(m_log.get());
    SetInstallEnv(&m_env);
}

void WizardFixture::TearDown() {
    m_sink.Destroy();
    SetCmdOperator(nullptr);
    m_commands.reset();
    SetLog(nullptr);
    m_log.reset();
    SetCurrentDirectoryA(m_cwd.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\") + kMfg).c_str());
}

std::string WizardFixture::MediaDir() const {
    return (m_dir.path() / "media").string();
}

std::string WizardFixture::WriteMediaFile(const std::string& relative, const std::string& bytes) {
    const fs::path path = fs::path(MediaDir()) / relative;
    testing_support::WriteTextFile(path, bytes);
    return path.string();
}

bool WizardFixture::Start(const std::string& configure, const std::string& strings,
                          const std::string& dataExtra) {
    const fs::path media = MediaDir();
    testing_support::WriteTextFile(media / "setup.dat",
                                   std::string("[PROGRAM_INFO]\r\nMFG = ") + kMfg +
                                       "\r\nMDL = Model 1\r\nVIDPID = VID_0001&PID_0002\r\n"
                                       "PROGRAM_NAME = " +
                                       kProgram +
                                       "\r\nDESTINATION_DIR = $SRC_DIR$\\dest\r\n"
                                       "[VERSION]\r\nVERSION = 1.0\r\n[OS_DEFINE]\r\n" +
                                       testing_support::OSDefineLines() + dataExtra);
    testing_support::WriteTextFile(media / "data" / "psinst.psi", configure);
    testing_support::WriteTextFile(media / "data" / "psinst.cmd", "[NOTHING]\r\n");
    std::string stringText = strings;
    if (stringText.find("[MESSAGES]") == std::string::npos) {
        stringText = "[MESSAGES]\r\n" + stringText;
    }
    testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str", stringText);
    if (!m_env.Init((media / "setup.exe").string())) {
        return false;
    }
    SetInstallEnv(&m_env);
    m_commands = std::make_unique<CCmdOperator>(m_env);
    SetCmdOperator(m_commands.get());
    if (!m_sink.Open(800, 600)) {
        return false;
    }
    m_commands->SetMainWindow(m_sink);
    return true;
}

std::string WizardFixture::LogText() const {
    return testing_support::ReadTextFile(m_log->GetPath());
}

bool WizardFixture::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) {
            return done();
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!done()) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

void WizardFixture::PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool HasRect(HWND child, int left, int top, int right, int bottom) {
    RECT rect;
    if (!GetWindowRect(child, &rect)) {
        return false;
    }
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect.left == left && rect.top == top && rect.right == right && rect.bottom == bottom;
}

std::string RectOf(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

}  // namespace wizard_test
