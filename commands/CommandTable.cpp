#include "CommandTable.h"

#include <iterator>

#include "CommandHandlers.h"
#include "foundation/NameCompare.h"

namespace setup {
namespace {

using namespace handlers;

const CommandEntry kCommands[] = {
    {"CT_OPEN_DLG", OpenDlg},
    {"CT_EXE_FILE_WAIT", ExeFileWait},
    {"CT_EXE_FILE_NOWAIT", ExeFileNoWait},
    {"CT_EXE_FILE_ACTIVE", ExeFileActive},
    {"CT_EXE_AND_TERMINATE", ExeAndTerminate},
    {"CT_RUNDLL", NoOperation},
    {"CT_RUNDLL_AND_TERMINATE", NoOperation},
    {"CT_OPEN_FILE_NOWAIT", OpenDocument},
    {"CT_OPEN_FILE_WAIT", OpenDocument},
    {"CT_OPEN_URL", OpenUrl},
    {"CT_OPEN_BROWSE", OpenBrowse},
    {"CT_APP_TERMINATE", AppTerminate},
    {"CT_DLG_HELP", NoOperation},
    {"CT_DLG_BACK", DlgBack},
    {"CT_DLG_CANCEL", DlgCancel},
    {"CT_FIND_LOCAL_PRINTER", FindLocalPrinter},
    {"CT_ADDREG", AddRegistry},
    {"CT_DELREG", DeleteRegistry},
    {"CT_COMMAND", Command},
    {"CT_PRINT_TEST_PAGE", PrintTestPage},
    {"CT_PRINT_META_TEST_PAGE", PrintMetaTestPage},
    {"CT_PRINT_PRN_TEST_PAGE", PrintPrnTestPage},
    {"CT_DELETE_ALL", DeleteAll},
    {"CT_REFRESH_SYSTEM", RefreshSystem},
    {"CT_DIAGNOSIS", Diagnosis},
    {"CT_START_PREVENT_PNP", StartPreventPnP},
    {"CT_END_PREVENT_PNP", EndPreventPnP},
    {"CT_COPY_FILE", CopyFiles},
    {"CT_RUN_REMOTE_INSTALL", RunRemoteInstall},
    {"CT_RMHW_DLG", RemoveHardwareDialog},
    {"CT_REMOVE_DEV", RemoveDevice},
    {"CT_VIEW_LICESNE", NoOperation},
    {"CT_DELETE_FILE", DeleteFiles},
    {"CT_WRITE_ITEM_INFO", WriteItemInfo},
    {"CT_OPEN_TEST_PAGE", OpenTestPage},
    {"CT_INSTALL_UPDATE", InstallUpdate},
    {"CT_CHANGE_LANG", ChangeLang},
    {"CT_SET_REMOTE_INSTALL", SetRemoteInstall},
    {"CT_CHECK_ITEM", CheckItem},
    {"CT_DO_MODAL", DoModal},
    {"CT_SET_INST_TYPE", SetInstType},
    {"CT_SET_SETUP_TYPE", SetSetupType},
    {"CT_SHOW_TOGGLE", ShowToggle},
    {"CT_OPEN_MANUAL", OpenManual},
};

}  // namespace

const CommandEntry* FindCommand(const std::string& type) {
    const std::string folded = FoldName(type);
    for (const CommandEntry& entry : kCommands) {
        if (FoldName(entry.name) == folded) {
            return &entry;
        }
    }
    return nullptr;
}

const CommandEntry* CommandTableBegin() {
    return std::begin(kCommands);
}
const CommandEntry* CommandTableEnd() {
    return std::end(kCommands);
}

}  // namespace setup
