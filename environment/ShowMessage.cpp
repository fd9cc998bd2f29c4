#include "ShowMessage.h"

#include <utility>

#include "InstallEnv.h"

namespace setup {
namespace {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

MessagePresenter& Presenter() {
    static MessagePresenter presenter = ShowMessageBox;
    return presenter;
}

}  // namespace

MessagePresenter SetMessagePresenter(MessagePresenter presenter) {
    if (!presenter) {
        presenter = ShowMessageBox;
    }
    return std::exchange(Presenter(), std::move(presenter));
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) {
    CInstallEnv* env = GetInstallEnv();
    if (env != nullptr && env->GetOptions().rightAlign) {
        style |= MB_RTLREADING;
    }
    return Presenter()(owner, text, caption, style);
}

}  // namespace setup
