#include "PageFactory.h"

#include "NormalPage.h"
#include "PageKinds.h"
#include "foundation/Log.h"
#include "resources/ResourceIds.h"

namespace setup {

std::unique_ptr<CPageDlg> MakePage(const std::string& section) {
    const PageKindInfo kind = FindPageKind(section);
    switch (kind.kind) {
        case PageKind::kNone:
            LogWrite("%s Section is invalid dialog section", section.c_str());
            return nullptr;
        case PageKind::kNormal:
            return std::make_unique<CNormalPage>();
        default:
            LogWrite("[%s] The %s page is not available in this build: shown as a plain page",
                     section.c_str(), kind.text);
            return std::make_unique<CNormalPage>(IDD_PAGE);
    }
}

}  // namespace setup
