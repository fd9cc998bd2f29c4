#include "CancelConfirm.h"

#include "MsgBoxDlg.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"

namespace setup {

const char* const kBuiltInCancelText =
    "Setup is not complete. If you quit the setup program now, the components you requested to "
    "add/remove will not be installed/uninstalled.\r\nYou may run the setup program at a later "
    "time to complete the operations.\r\nAre you sure you want to quit the setup?";

namespace {

// Warning icon with Resume/Exit (0x36) or Yes/No (0x34).
constexpr DWORD kResumeExitStyle = 0x36;
constexpr DWORD kYesNoStyle = 0x34;

// Asks with the cancel text; true when the answer is quitAnswer.
bool Ask(HWND parent, DWORD style, int quitAnswer) {
    CMsgBoxDlg box(parent);
    if (!box.SetMessage(GetCancelText(), style)) {
        return false;
    }
    const int answer = box.Show();
    if (answer == 0) {
        LogWrite("Cancel : the question could not be asked, the setup goes on");
        return false;
    }
    const bool quit = answer == quitAnswer;
    LogWrite("Cancel : the user chose to %s", quit ? "quit the setup" : "go on");
    return quit;
}

}  // namespace

CancelType ReadCancelType() {
    CInstallEnv* env = GetInstallEnv();
    std::string value;
    if (env == nullptr ||
        !env->GetConfigFiles().Configure().GetString("DLG_COMMON", "CANCEL_TYPE", value)) {
        return CancelType::kResumeExit;
    }
    return ParseCancelType(value);
}

std::string GetCancelText() {
    CInstallEnv* env = GetInstallEnv();
    std::string text;
    if (env != nullptr &&
        env->GetConfigFiles().Configure().GetString("CANCEL_DLG", "CANCEL_MSG", text) &&
        !text.empty()) {
        return text;
    }
    return kBuiltInCancelText;
}

bool ConfirmCancel(HWND parent) {
    switch (ReadCancelType()) {
        case CancelType::kOkCancel:
            return Ask(parent, kYesNoStyle, 1);
        case CancelType::kNull:
            LogWrite("Cancel : CANCEL_TYPE is NULL, the setup is cancelled without a question");
            return true;
        case CancelType::kResumeExit:
            break;
    }
    return Ask(parent, kResumeExitStyle, 2);
}

bool ConfirmCopyCancel(HWND parent) {
    return Ask(parent, kResumeExitStyle, 2);
}

}  // namespace setup
