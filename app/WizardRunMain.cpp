// wizard_run.exe [--first-paint] PACKAGE
// Opens the wizard on a package and runs it until it ends, the way setup.exe
// starts an install: PACKAGE is the directory that holds setup.dat and the
// data directory, or the path of a setup.exe in it (its directory is used).
// The environment and the log start as in setup.exe; the start section is
// "INSTALL_START_INFO" (resolved for this system and language), recorded as
// setup type 1. Exit code: 0 when the wizard ran, 1 when another wizard of
// the package is open (it is brought to the front), 2 when the package or
// the wizard cannot be started.
// With --first-paint the run ends as soon as the first page has been
// painted, printing the time since the process was created (for the
// start-up benchmark).
#include <windows.h>

#include <cstdio>
#include <string>

#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/Registry.h"
#include "platform/CommonControls.h"
#include "wizard/InitWindow.h"
#include "wizard/Wizard.h"
#include "wizard/WizardMessages.h"

namespace {

constexpr const char* kStartSection = "INSTALL_START_INFO";
constexpr DWORD kSetupInstall = 1;

// The program path the environment starts from: a directory stands for
// the setup.exe inside it.
std::string ProgramPathOf(const std::string& argument) {
    std::string path = argument;
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return path + "\\setup.exe";
    }
    return path;
}

// Milliseconds since this process was created.
double MillisecondsSinceStart() {
    FILETIME creation = {};
    FILETIME unused = {};
    ::GetProcessTimes(::GetCurrentProcess(), &creation, &unused, &unused, &unused);
    FILETIME now = {};
    ::GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER start = {};
    start.LowPart = creation.dwLowDateTime;
    start.HighPart = creation.dwHighDateTime;
    ULARGE_INTEGER end = {};
    end.LowPart = now.dwLowDateTime;
    end.HighPart = now.dwHighDateTime;
    return static_cast<double>(end.QuadPart - start.QuadPart) / 10000.0;
}

// A page is shown and no window of this thread has anything left to paint.
bool FirstPagePainted(const CWizard& wizard) {
    const CPageDlg* page = wizard.GetCurrentPage();
    return page != nullptr && page->IsVisible() && wizard.IsVisible() &&
           (::GetQueueStatus(QS_PAINT) & QS_PAINT) == 0;
}

int Fail(const CLog& log, const char* what) {
    std::fprintf(stderr, "wizard_run: %s (see %s)\n", what, log.GetPath().c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const bool firstPaint = argc == 3 && std::string(argv[1]) == "--first-paint";
    if (argc != 2 && !firstPaint) {
        std::fprintf(stderr, "usage: wizard_run [--first-paint] PACKAGE_DIR | PATH_OF_SETUP_EXE\n");
        return 2;
    }
    const char* package = argv[argc - 1];
    platform::InitCommonControlClasses();

    CInstallEnv env;
    CLog log(env.GetProgramInfo().programName, std::string(), "wizard_run.exe");
    SetLog(&log);
    SetInstallEnv(&env);
    // The run's globals name these two objects until they go, on every way
    // out.
    struct GlobalsReset {
        ~GlobalsReset() {
            SetInstallEnv(nullptr);
            SetLog(nullptr);
        }
    } globalsReset;
    std::printf("log: %s\n", log.GetPath().c_str());
    std::fflush(stdout);
    if (!env.Init(ProgramPathOf(package))) {
        return Fail(log, "the package cannot be read");
    }

    CWizard wizard(env);
    const int created = wizard.Create(env.GetProgramInfo().programName);
    if (created == CWizard::kAlreadyRunning) {
        LogWrite("The installer is already running");
        return 1;
    }
    if (created != CWizard::kCreated) {
        LogWrite("The installer initializing fail");
        return Fail(log, "the wizard window cannot be created");
    }

    std::string start;
    if (!env.GetConfigFiles().Configure().FindSectionVariant(kStartSection, start)) {
        LogWrite("Start Section is [%s]", "");
        return Fail(log, "the package has no INSTALL_START_INFO section");
    }
    if (!env.GetProgramInfo().mfg.empty()) {
        CRegistry::SetValue(env.GetRegistryKeys().installing.c_str(), "Setup_Type", kSetupInstall);
    }
    LogWrite("Start Section is [%s]", start.c_str());
    {
        CInitWindow progress;
        if (progress.Create("INIT_WINDOW", nullptr)) {
            progress.Show(SW_SHOW);
            progress.Update();
        }
        if (!wizard.Init(start, progress.GetHandle())) {
            LogWrite("Init Wizard fail!! [%s]", start.c_str());
            return Fail(log, "the wizard cannot be initialised");
        }
    }

    LogWrite("Start installation");
    wizard.PostMessage(WM_WIZARD_START, 1, 0);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!wizard.PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (firstPaint && FirstPagePainted(wizard)) {
            std::printf("first page painted after %.1f ms\n", MillisecondsSinceStart());
            break;
        }
    }
    return 0;
}
