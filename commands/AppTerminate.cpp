// The end of the installer: the install records of the run are settled, the
// Installing key goes, and the message loop is told to end.
#include "CmdOperator.h"
#include "ItemsHost.h"
#include "NetworkHost.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/Registry.h"

namespace {

// The registry values the license page writes; removed when a run leaves
// nothing installed.
const char* const kWebAgreementSections[] = {"ADD_REG.WEB_AGREEMENT_TRUE",
                                             "ADD_REG.WEB_AGREEMENT_FALSE"};
const char* const kWebAgreementSections64[] = {"ADD_REG.WEB_AGREEMENT_TRUE_64",
                                               "ADD_REG.WEB_AGREEMENT_FALSE_64"};

void DeleteRecordKey(const std::string& key) {
    const DWORD result = CRegistry::DeleteKey(key.c_str(), FALSE);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) {
        LogWriteError(result, "Delete Key (%s) fail", key.c_str());
    }
}

}  // namespace

bool CCmdOperator::Terminate(bool cancel) {
    // A second end (two cancels queued, a finish button pressed twice)
    // would settle the records twice.
    if (m_terminating) {
        LogWrite("Terminate : the setup is already ending");
        return true;
    }
    m_terminating = true;
    const REGISTRY_KEYS& keys = m_env.GetRegistryKeys();

    if (m_items != nullptr) {
        m_items->MoveInstallingHistory();
    } else {
        LogWrite("Terminate : no install records registered, the installing history is not moved");
    }

    // Without the item set nobody can tell whether this run or an earlier
    // one left items installed, so the Installed key is kept.
    if (m_items == nullptr) {
        LogWrite("Terminate : no item set registered, the Installed key is kept");
    } else if (!m_items->IsAnyItemInstalled()) {
        if (cancel && m_env.GetOptions().network) {
            if (m_network != nullptr) {
                m_network->RemoveRecordedPorts();
            } else {
                LogWrite(
                    "Terminate : no network printer search registered, "
                    "recorded ports are not removed");
            }
        }
        m_items->RemoveUninstallInfo();
        DeleteRecordKey(keys.installed);
        for (const char* section : kWebAgreementSections) {
            IssueCommand("CT_DELREG", section);
        }
        if (m_env.GetSystemDirs().is64Bit) {
            for (const char* section : kWebAgreementSections64) {
                IssueCommand("CT_DELREG", section);
            }
        }
    }

    DeleteRecordKey(keys.installing);

    const HWND window = m_mainWindow;
    if (window == nullptr) {
        LogWrite("Terminate : no main window to end");
    } else if (!PostMessageA(window, WM_QUIT, 0, 0)) {
        LogWriteError(GetLastError(), "Terminate : post WM_QUIT fail");
        return false;
    }
    return true;
}
