#include "PageBitmap.h"

#include "environment/InstallEnv.h"

namespace setup {
namespace {

HBITMAP LoadFrom(HMODULE module, const std::string& name) {
    if (module == nullptr) {
        return nullptr;
    }
    // Look for the resource first: LoadImage on a module without it is
    // slower and sets a misleading error.
    if (::FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2)) == nullptr) {
        return nullptr;
    }
    return static_cast<HBITMAP>(
        ::LoadImageA(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

platform::UniqueBitmap LoadPageBitmap(const std::string& name) {
    if (name.empty()) {
        return platform::UniqueBitmap();
    }
    HMODULE library = nullptr;
    if (CInstallEnv* env = GetInstallEnv()) {
        library = env->GetExtLibraries().GetResourceModule();
    }
    HBITMAP bitmap = LoadFrom(library, name);
    if (bitmap == nullptr) {
        bitmap = LoadFrom(::GetModuleHandleA(nullptr), name);
    }
    return platform::UniqueBitmap(bitmap);
}

SIZE GetBitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || ::GetObjectA(bitmap, sizeof(info), &info) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace setup
