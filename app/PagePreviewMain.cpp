// page_preview.exe MEDIA_DIR OUT_DIR [PAGE_LIST_SECTION]
// Starts the environment on the package in MEDIA_DIR (where setup.exe and
// setup.dat lie), writes a BMP picture of every listed page into OUT_DIR
// and prints one summary line per page. Exit code: 0 when every page was
// shown without warnings, 1 when some page has warnings, 2 when the package
// cannot be read.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "PagePreview.h"
#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "platform/CommonControls.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: page_preview MEDIA_DIR OUT_DIR [PAGE_LIST_SECTION]\n");
        return 2;
    }
    const std::string media = argv[1];
    const std::string out = argv[2];
    const std::string list = argc > 3 ? argv[3] : "";
    ::CreateDirectoryA(out.c_str(), nullptr);
    platform::InitCommonControlClasses();

    CLog log("Page Preview", out, "page_preview.exe");
    SetLog(&log);
    CInstallEnv env;
    SetInstallEnv(&env);
    if (!env.Init(media + "\\setup.exe")) {
        std::printf("the package in %s cannot be read (see %s)\n", media.c_str(),
                    log.GetPath().c_str());
        return 2;
    }
    // Objects post their commands here; nothing runs them.
    CCmdOperator commands(env);
    SetCmdOperator(&commands);

    CPagePreview preview(env);
    std::vector<std::string> pages;
    std::string error;
    if (!preview.FindPages(list, pages, error)) {
        std::printf("%s\n", error.c_str());
        return 2;
    }
    bool clean = true;
    int number = 1;
    for (const std::string& page : pages) {
        const CPagePreview::PageReport report = preview.Preview(page, number++, out);
        clean = clean && report.warnings.empty();
        std::printf("%s\n", CPagePreview::Summary(report).c_str());
        std::fflush(stdout);
    }
    SetCmdOperator(nullptr);
    SetLog(nullptr);
    return clean ? 0 : 1;
}
