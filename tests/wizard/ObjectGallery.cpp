// A plain page with one object of every kind, for looking at them by eye (a
// screenshot under Xvfb, a run on Windows). Not a test: it lays out the
// gallery package in a temporary directory, starts the environment on it,
// shows the page inside a stand-in wizard window for the milliseconds given
// as its argument (default 3000), and prints the page's warnings.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ObjectGalleryPage.h"
#include "WizardFixture.h"
#include "platform/CommonControls.h"
#include "wizard/NormalPage.h"
#include "wizard/objects/SelectedItems.h"

namespace {

// The tests' package and stand-in wizard, outside a test run.
class GalleryRun : public wizard_test::WizardFixture {
public:
    void TestBody() override {}

    int Run(DWORD holdMs) {
        SetUp();
        const int result = Show(holdMs);
        TearDown();
        return result;
    }

private:
    int Show(DWORD holdMs) {
        if (!Start(wizard_test::GalleryConfigure(), wizard_test::GalleryStrings())) {
            std::fprintf(stderr, "The gallery package cannot be started\n");
            return 1;
        }
        for (const auto& file : wizard_test::GalleryFiles()) {
            WriteMediaFile(file.first, file.second);
        }
        setup::SetSelectedItemsProvider([] {
            return std::vector<std::string>{"Printer driver", "Scanner driver",
                                            "Status monitor with a longer name than the list"};
        });
        CNormalPage page;
        page.SetConfig(wizard_test::kGallerySection);
        if (!page.CreatePage(Sink())) {
            std::fprintf(stderr, "The gallery page cannot be created\n");
            return 1;
        }
        RECT rect = {};
        page.GetRect(rect);
        Sink().Move(0, 0, rect.right - rect.left + 2, rect.bottom - rect.top + 2);
        page.Move(0, 0, rect.right - rect.left, rect.bottom - rect.top);
        page.PrepareEnterPage();
        page.Show(SW_SHOWNA);
        page.OnEnterPage(std::string());
        for (const std::string& warning : page.GetConfig().GetObjects().GetWarnings()) {
            std::printf("%s\n", warning.c_str());
        }
        PumpUntil([] { return false; }, holdMs);
        page.Destroy();
        setup::SetSelectedItemsProvider(nullptr);
        return 0;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const DWORD holdMs = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 3000;
    platform::InitCommonControlClasses();
    GalleryRun gallery;
    return gallery.Run(holdMs);
}
