#include "PageObjects.h"

// Placeholder until the object kinds are built: a page has no objects.
struct CPageObjects::Impl {
    std::vector<std::string> warnings;
};

CPageObjects::CPageObjects() : m_impl(std::make_unique<Impl>()) {}
CPageObjects::~CPageObjects() = default;

void CPageObjects::Build(CConfigFile&, const std::string&, const std::string&) {}
void CPageObjects::CreateWindows(HWND) {}
void CPageObjects::Clear() {}
void CPageObjects::PaintDrawings(HDC) const {}
void CPageObjects::ToggleShow(const std::string&) {}
HWND CPageObjects::GetDefaultFocus() const {
    return nullptr;
}
size_t CPageObjects::GetObjectCount() const {
    return 0;
}
const std::vector<std::string>& CPageObjects::GetWarnings() const {
    return m_impl->warnings;
}
