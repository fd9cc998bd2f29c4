#include "Wizard.h"

#include "InitWindow.h"
#include "PageFactory.h"
#include "PageText.h"
#include "WizardMessages.h"
#include "commands/ItemsHost.h"
#include "commands/WaitCursor.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/NameCompare.h"
#include "foundation/Registry.h"
#include "resources/ResourceIds.h"

namespace {

// WM_WIZARD_OPEN_PAGE's wParam for the page after and before the current.
constexpr INT_PTR kOpenNext = -2;
constexpr INT_PTR kOpenBack = -1;

// The frame: a caption and a close box, neither sizable nor minimisable.
constexpr DWORD kFrameStyle = WS_CAPTION | WS_SYSMENU;
constexpr DWORD kFrameExStyle = WS_EX_APPWINDOW;

// The progress window's shares of the bar for building and refreshing.
constexpr WPARAM kBuildShare = 60;
constexpr WPARAM kRefreshShare = 90;

// Setup types recorded as "Setup_Type".
constexpr DWORD kSetupInstall = 1;
constexpr DWORD kSetupUninstall = 2;
constexpr DWORD kSetupReinstall = 3;
constexpr DWORD kSetupReinstallMedia = 5;

void StepProgress(HWND progress, WPARAM share, LPARAM count) {
    if (progress != nullptr) {
        ::SendMessageA(progress, WM_INIT_PROGRESS, share, count);
    }
}

}  // namespace

CWizard::CWizard(CInstallEnv& env)
    : m_env(env), m_commands(env), m_pageMaker(&setup::MakePage), m_host(*this) {}

CWizard::~CWizard() {
    if (m_rebuilderSet) {
        m_env.SetInterfaceRebuilder(nullptr);
    }
    m_commands.SetHost(nullptr);
    m_commands.SetMainWindow(nullptr);
    // The pages are children of the frame: they go first, while it exists.
    m_pages.clear();
    Destroy();
}

int CWizard::Create(const std::string& programName) {
    m_className = programName + " Installer Program";
    const HWND running = ::FindWindowA(m_className.c_str(), nullptr);
    if (running != nullptr) {
        ::SendMessageA(running, WM_WIZARD_ACTIVATE, 0, 0);
        return kAlreadyRunning;
    }

    WNDCLASSEXA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP));
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = m_className.c_str();
    if (!RegisterWindowClass(windowClass)) {
        LogWriteError(::GetLastError(), "Register class fail\n");
        return kCreateFailed;
    }

    // A small frame until the first page sizes it.
    const RECT rect = {0, 0, 320, 240};
    if (!CustomWindow::Create(m_className.c_str(), programName.c_str(), kFrameStyle, kFrameExStyle,
                              rect, nullptr)) {
        LogWriteError(::GetLastError(), "Create window fail [%s] [%s]\n", m_className.c_str(),
                      m_className.c_str());
        return kCreateFailed;
    }

    m_commands.SetMainWindow(m_hwnd);
    m_commands.SetHost(&m_host);
    SetCmdOperator(&m_commands);
    m_env.SetInterfaceRebuilder([this]() { RebuildInterface(); });
    m_rebuilderSet = true;
    return kCreated;
}

bool CWizard::Init(const std::string& startSection, HWND progress) {
    if (startSection.empty()) {
        LogWrite("Init Wizard : no start section");
        return false;
    }
    m_startSection = startSection;
    RunStartCommand();

    if (m_env.GetOptions().precreateDlg) {
        std::string dialogs;
        if (m_env.GetConfigFiles().Configure().GetString(m_startSection.c_str(), "DIALOGS", dialogs,
                                                         true)) {
            if (!AddDialogs(dialogs, progress)) {
                LogWrite("Add Dialogs Fail");
            }
        } else {
            LogWrite("[%s] Get Dialogs fail !", m_startSection.c_str());
        }
    }
    return true;
}

bool CWizard::AddDialogs(const std::string& dialogsSection, HWND progress) {
    if (dialogsSection.empty()) {
        LogWrite("Set Start Section Name Fail");
        return false;
    }
    CConfigFile& configure = m_env.GetConfigFiles().Configure();
    std::string resolved;
    if (!configure.FindSectionVariant(dialogsSection.c_str(), resolved)) {
        LogWrite("Invalid Dialogs section!!! [%s]", dialogsSection.c_str());
        return false;
    }
    m_dialogsSection = resolved;

    std::vector<std::string> entries;
    if (!configure.GetSectionLines(m_dialogsSection.c_str(), entries, true)) {
        LogWrite("[%s] Get Dialog Section fail!!", m_dialogsSection.c_str());
        return false;
    }
    size_t count = 0;
    while (count < entries.size() && !setup::TrimBlanks(entries[count]).empty()) {
        ++count;
    }
    StepProgress(progress, kBuildShare, static_cast<LPARAM>(count));

    for (size_t i = 0; i < count; ++i) {
        // Pages are found by their resolved section name later on, so the
        // list's names are resolved the same way; a name without a section
        // still gets its (empty) page.
        const std::string entry = setup::TrimBlanks(entries[i]);
        std::string section;
        if (!configure.FindSectionVariant(entry.c_str(), section)) {
            LogWrite("[%s] Dialog section not found: the page is empty", entry.c_str());
            section = entry;
        }
        AddDialog(section);
        StepProgress(progress, 0, 0);
        if (progress != nullptr) {
            ::UpdateWindow(progress);
        }
    }
    return true;
}

int CWizard::AddDialog(const std::string& section) {
    std::unique_ptr<CPageDlg> page = MakePage(section);
    if (!page) {
        return -1;
    }
    page->SetConfig(section);
    if (!page->CreatePage(m_hwnd)) {
        LogWriteError(::GetLastError(), "Create Dialog Fail [%s]", section.c_str());
        return -1;
    }
    page->Hide();
    page->Enable(false);
    m_pages.push_back(std::move(page));
    return static_cast<int>(m_pages.size()) - 1;
}

int CWizard::FindPage(const std::string& section) {
    if (section.empty()) {
        LogWrite("Dialog section is empty!!!");
        return m_current;
    }
    std::string resolved;
    if (!m_env.GetConfigFiles().Configure().FindSectionVariant(section.c_str(), resolved)) {
        return -1;
    }
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (setup::SameName(m_pages[i]->GetConfig().GetSectionName().c_str(), resolved.c_str())) {
            return static_cast<int>(i);
        }
    }
    return AddDialog(resolved);
}

CPageDlg* CWizard::GetPage(int index) const {
    if (index < 0 || index >= GetPageCount()) {
        return nullptr;
    }
    return m_pages[static_cast<size_t>(index)].get();
}

CPageDlg* CWizard::GetCurrentPage() const {
    return m_pageShown ? GetPage(m_current) : nullptr;
}

bool CWizard::ShowPage(int index, const std::string& parameter) {
    if (index == -1) {
        index = m_current;
    }
    CPageDlg* page = GetPage(index);
    if (page == nullptr) {
        return false;
    }
    if (CPageDlg* leaving = GetCurrentPage()) {
        leaving->OnLeavePage();
        leaving->Hide();
        leaving->Enable(false);
    }

    const CPageConfig& config = page->GetConfig();
    if (config.IsRectGiven() || m_resizeOnShow) {
        m_resizeOnShow = false;
        PlaceFrame(config);
    }

    m_closeBlocked = page->IsCancelBlocked();
    if (m_closeBlocked) {
        ModifyStyle(WS_SYSMENU, 0);
    } else {
        ModifyStyle(0, WS_SYSMENU);
    }

    page->PrepareEnterPage();
    page->SetPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    page->Enable(true);
    page->Show(SW_SHOW);
    // A page opened by a command that a message box or modal page runs
    // from its own loop changes underneath: the wizard stays disabled and
    // inactive until that window ends.
    if (!m_host.IsModalOpen()) {
        Enable(true);
        SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    SetText(config.GetCaption());
    Invalidate();
    Update();
    page->Invalidate();
    page->Update();
    page->Focus();

    // The page is current before it is entered, so that a page that moves
    // on while it is entered leaves from itself.
    m_current = index;
    m_pageShown = true;
    page->OnEnterPage(parameter);
    return true;
}

void CWizard::PlaceFrame(const CPageConfig& config) {
    RECT pageRect = config.GetRect();
    if (::IsRectEmpty(&pageRect)) {
        // A page without a rectangle keeps its window's size.
        ::GetWindowRect(config.GetOwner(), &pageRect);
    }
    RECT frame = {0, 0, pageRect.right - pageRect.left, pageRect.bottom - pageRect.top};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(GetStyle()), FALSE,
                         static_cast<DWORD>(GetExStyle()));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);

    int x = 0;
    int y = 0;
    switch (config.GetPosType()) {
        case CPageConfig::kFree: {
            RECT current = {};
            GetRect(current);
            x = current.left;
            y = current.top;
            break;
        }
        case CPageConfig::kFullScreen:
            width = screenWidth;
            height = screenHeight;
            break;
        default:
            x = (screenWidth - width) / 2;
            y = (screenHeight - height) / 2;
            break;
    }
    SetPos(HWND_TOP, x, y, width, height, SWP_SHOWWINDOW);
}

void CWizard::RunStartCommand() {
    std::string section;
    if (m_env.GetConfigFiles().Configure().GetString(m_startSection.c_str(), "START_CMD", section,
                                                     true)) {
        RunCommand("CT_COMMAND", section);
    }
}

void CWizard::RunInstallingCommand() {
    RunPhaseCommand("INSTALLING_CMD", "INST_INSTALLING_CMD", "UNINST_INSTALLING_CMD",
                    "REINST_INSTALLING_CMD");
}

void CWizard::RunEndCommand() {
    RunPhaseCommand("END_CMD", "INST_END_CMD", "UNINST_END_CMD", "REINST_END_CMD");
}

void CWizard::RunPhaseCommand(const char* key, const char* install, const char* uninstall,
                              const char* reinstall) {
    std::string section;
    if (m_env.GetConfigFiles().Configure().GetString(m_startSection.c_str(), key, section, true)) {
        RunCommand("CT_COMMAND", section);
        return;
    }
    DWORD setupType = 0;
    if (CRegistry::GetValue(m_env.GetRegistryKeys().installing.c_str(), "Setup_Type", &setupType) !=
        ERROR_SUCCESS) {
        return;
    }
    if (setupType == kSetupInstall) {
        section = install;
    } else if (setupType == kSetupUninstall) {
        // An uninstall that left items installed has nothing to finish.
        setup::CItemsHost* items = m_commands.GetItems();
        if (items != nullptr && items->IsAnyItemInstalled()) {
            LogWrite("[%s] Items are still installed: %s is not run", key, uninstall);
            return;
        }
        section = uninstall;
    } else if (setupType >= kSetupReinstall && setupType <= kSetupReinstallMedia) {
        section = reinstall;
    }
    RunCommand("CT_COMMAND", section);
}

bool CWizard::RunCommand(const std::string& type, const std::string& param1,
                         const std::string& param2, const std::string& param3,
                         const std::string& param4, const std::string& param5) {
    return m_commands.IssueCommand(type, param1, param2, param3, param4, param5);
}

void CWizard::BlockClose() {
    m_closeBlocked = true;
}

void CWizard::RefreshAllPages(HWND progress) {
    // By index: a page's refresh may run commands that add pages.
    const size_t count = m_pages.size();
    StepProgress(progress, kRefreshShare, static_cast<LPARAM>(count));
    for (size_t i = 0; i < count; ++i) {
        m_pages[i]->RefreshConfig();
        StepProgress(progress, 0, 0);
    }
}

void CWizard::RebuildInterface() {
    setup::CWaitCursor wait;
    CInitWindow progress;
    if (progress.Create("CHANGE_LANG_WIN", m_hwnd)) {
        progress.Show(SW_SHOWNA);
        progress.Update();
    }
    if (m_background != nullptr && ::IsWindow(m_background)) {
        ::ShowWindow(m_background, SW_HIDE);
    }
    if (IsWindow()) {
        Hide();
        if (m_env.GetOptions().rightAlign) {
            ModifyExStyle(0, WS_EX_LAYOUTRTL);
        } else {
            ModifyExStyle(WS_EX_LAYOUTRTL, 0);
        }
    }
    RefreshAllPages(progress.GetHandle());
    // A wizard whose window is gone, or whose run is ending, is closing:
    // nothing to show again. Before
    // the first page (a language change in the start commands) the start
    // message shows the right page; showing the current one here would
    // enter the first page ahead of it.
    if (IsWindow() && !m_commands.IsTerminating()) {
        Show(SW_SHOW);
        if (m_pageShown) {
            PostMessage(WM_WIZARD_OPEN_PAGE, 0, 0);
        }
    }
}

bool CWizard::PreTranslate(MSG& message) const {
    const CPageDlg* page = GetCurrentPage();
    return page != nullptr && page->IsWindow() && page->PreTranslate(message);
}

bool CWizard::OnClose() {
    // Closing is a cancel, which asks first; never a plain destroy.
    if (!m_closeBlocked) {
        PostMessage(WM_WIZARD_CANCEL, 0, 0);
    }
    return true;
}

bool CWizard::OnOpenPage(WPARAM wParam, LPARAM lParam) {
    const INT_PTR request = static_cast<INT_PTR>(wParam);
    if (request == kOpenNext || request == kOpenBack) {
        // Nothing after the last page and nothing before the first.
        const int target = request == kOpenNext ? m_current + 1 : m_current - 1;
        return target >= 0 && ShowPage(target, std::string());
    }
    if (lParam == 0) {
        return ShowPage(-1, std::string());
    }
    const setup::PageRequest page = setup::SplitPageRequest(reinterpret_cast<const char*>(lParam));
    const int index = FindPage(page.name);
    return index >= 0 && ShowPage(index, page.parameter);
}

void CWizard::OnStart(WPARAM wParam) {
    if (wParam == 0) {
        LogWrite("Initializing fail");
        RunCommand("CT_APP_TERMINATE");
        return;
    }
    if (m_env.GetOptions().rightAlign) {
        ModifyExStyle(0, WS_EX_LAYOUTRTL);
    }
    CConfigFile& configure = m_env.GetConfigFiles().Configure();
    const char* section = m_startSection.c_str();
    std::string type;
    std::string params[3];
    if (configure.GetString(section, "CMD_TYPE", type, true)) {
        const char* keys[] = {"CMD_PARAM1", "CMD_PARAM2", "CMD_PARAM3"};
        for (int i = 0; i < 3; ++i) {
            if (!configure.GetString(section, keys[i], params[i], true)) {
                params[i].clear();
            }
        }
    } else {
        type = "CT_OPEN_DLG";
    }
    RunCommand(type, params[0], params[1], params[2]);
}

void CWizard::OnEndWait(WPARAM wParam) {
    Enable(true);
    if (m_background != nullptr && ::IsWindow(m_background)) {
        ::EnableWindow(m_background, TRUE);
    }
    if (wParam != 0) {
        ::SetForegroundWindow(m_hwnd);
    }
}

void CWizard::OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = DefaultProc(WM_ACTIVATE, wParam, lParam);
    if (m_background != nullptr && ::IsWindow(m_background) && IsVisible() &&
        LOWORD(wParam) != WA_INACTIVE) {
        ::SetWindowPos(m_background, m_hwnd, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

bool CWizard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_WIZARD_RUN_COMMAND:
            result = m_commands.RunPostedCommand(lParam) ? 1 : 0;
            return true;
        case WM_WIZARD_CANCEL:
            result = RunCommand("CT_DLG_CANCEL") ? 1 : 0;
            return true;
        case WM_USER_END_WAIT:
            OnEndWait(wParam);
            result = 0;
            return true;
        case WM_WIZARD_OPEN_PAGE:
            result = OnOpenPage(wParam, lParam) ? 1 : 0;
            return true;
        case WM_WIZARD_ACTIVATE:
            ::BringWindowToTop(m_hwnd);
            ::SetForegroundWindow(m_hwnd);
            result = 0;
            return true;
        case WM_WIZARD_START:
            OnStart(wParam);
            result = 0;
            return true;
        case WM_ACTIVATE:
            OnActivate(wParam, lParam, result);
            return true;
        case WM_SETFOCUS:
            // The frame takes nothing from the keyboard: the page shown does
            // (it hands the focus on to its default control).
            if (CPageDlg* page = GetCurrentPage()) {
                if (page->IsVisible()) {
                    page->Focus();
                }
            }
            result = 0;
            return true;
        default:
            return CustomWindow::OnMessage(message, wParam, lParam, result);
    }
}
