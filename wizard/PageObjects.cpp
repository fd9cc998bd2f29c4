#include "PageObjects.h"

#include "PageKinds.h"
#include "environment/ConfigFile.h"
#include "environment/FileSystem.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "objects/ColorText.h"
#include "objects/DrawingPainter.h"
#include "objects/DrawingRecord.h"
#include "objects/LanguageList.h"
#include "objects/MyLink.h"
#include "objects/ObjectAnimation.h"
#include "objects/ObjectBitmap.h"
#include "objects/ObjectButton.h"
#include "objects/ObjectContainer.h"
#include "objects/ResultList.h"
#include "objects/TextViewer.h"

struct CPageObjects::Impl {
    CObjectContainer<CMyLink> links;
    CObjectContainer<CColorText> statics;
    CObjectContainer<CObjectButton> buttons;
    CObjectContainer<CObjectBitmap> bitmaps;
    CObjectContainer<CLanguageList> langList;
    CObjectContainer<CTextViewer> edits;
    CObjectContainer<CObjectAnimation> avis;
    CObjectContainer<CResultList> resultLists;
    std::vector<DRAWING_RECORD> drawings;
    std::vector<std::string> warnings;

    ObjectReport Reporter() {
        return [this](const std::string& section, const std::string& reason, bool leftOut) {
            Report(section, reason, leftOut);
        };
    }

    // One log line per problem; the same text is kept for GetWarnings.
    void Report(const std::string& section, const std::string& reason, bool leftOut) {
        const std::string line =
            "Page object [" + section + "]" + (leftOut ? " left out: " : ": ") + reason;
        LogWrite("%s", line.c_str());
        warnings.push_back(line);
    }

    void Add(CConfigFile& config, const std::string& key, const std::string& name,
             const setup::ObjectReadContext& context);
    void AddDrawing(CConfigFile& config, const std::string& name, int type);
};

namespace {

setup::ObjectReadContext MakeReadContext() {
    setup::ObjectReadContext context;
    CInstallEnv* env = GetInstallEnv();
    context.is64Bit = env != nullptr && env->GetSystemDirs().is64Bit;
    context.fileExists = [env](const std::string& path) {
        return env != nullptr ? !env->ResolvePath(path, true).empty() : setup::FileExists(path);
    };
    return context;
}

bool ReadPageValue(CConfigFile& config, const std::string& page, const std::string& base,
                   const char* key, std::string& value) {
    return config.GetString(page.c_str(), key, value, true) ||
           (!base.empty() && config.GetString(base.c_str(), key, value, true));
}

}  // namespace

void CPageObjects::Impl::Add(CConfigFile& config, const std::string& key, const std::string& name,
                             const setup::ObjectReadContext& context) {
    const ObjectReport report = Reporter();
    using setup::ObjectKind;
    const ObjectKind kind = setup::FindObjectKind(name);
    switch (kind) {
        case ObjectKind::kLink:
            links.Add(config, name, context, report);
            break;
        case ObjectKind::kText:
            statics.Add(config, name, context, report);
            break;
        case ObjectKind::kBitmap:
            bitmaps.Add(config, name, context, report);
            break;
        case ObjectKind::kButton:
            buttons.Add(config, name, context, report);
            break;
        case ObjectKind::kLanguageList:
            langList.Add(config, name, context, report);
            break;
        case ObjectKind::kTextViewer:
            edits.Add(config, name, context, report);
            break;
        case ObjectKind::kAnimation:
            avis.Add(config, name, context, report);
            break;
        case ObjectKind::kResultList:
            resultLists.Add(config, name, context, report);
            break;
        case ObjectKind::kDestDir:
            Report(name, "the destination directory box is not available in this build", true);
            break;
        case ObjectKind::kNone:
            Report(name, key + " names no kind of object", true);
            break;
        default:
            AddDrawing(config, name, setup::DrawingType(kind));
            break;
    }
}

void CPageObjects::Impl::AddDrawing(CConfigFile& config, const std::string& name, int type) {
    DRAWING_RECORD drawing;
    if (!setup::ReadDrawingRecord(config, name, type, drawing)) {
        Report(name, "the section does not exist", true);
        return;
    }
    drawings.push_back(drawing);
}

CPageObjects::CPageObjects() : m_impl(std::make_unique<Impl>()) {}

CPageObjects::~CPageObjects() {
    Clear();
}

void CPageObjects::Build(CConfigFile& config, const std::string& pageSection,
                         const std::string& baseSection) {
    Clear();
    DWORD count = 0;
    if (!config.GetDword(pageSection.c_str(), "NUM_OF_OBJ", count) &&
        (baseSection.empty() || !config.GetDword(baseSection.c_str(), "NUM_OF_OBJ", count))) {
        return;
    }
    if (static_cast<LONG>(count) < 0) {
        m_impl->Report(pageSection,
                       "NUM_OF_OBJ is " + std::to_string(static_cast<LONG>(count)) +
                           "; the page gets no objects",
                       false);
        return;
    }
    if (count > kMaxObjects) {
        m_impl->Report(pageSection,
                       "NUM_OF_OBJ is " + std::to_string(count) + "; only the first " +
                           std::to_string(kMaxObjects) + " objects are read",
                       false);
        count = kMaxObjects;
    }
    const setup::ObjectReadContext context = MakeReadContext();
    for (DWORD i = 0; i < count; ++i) {
        const std::string key = "OBJ_" + std::to_string(i);
        std::string name;
        if (!ReadPageValue(config, pageSection, baseSection, key.c_str(), name)) {
            // A gap in the list is allowed: only the preview mentions it.
            m_impl->warnings.push_back("Page [" + pageSection + "]: " + key + " is missing");
            continue;
        }
        m_impl->Add(config, key, name, context);
    }
}

void CPageObjects::CreateWindows(HWND page) {
    Impl& impl = *m_impl;
    const ObjectReport report = impl.Reporter();
    impl.bitmaps.CreateWindows(page, report);
    impl.avis.CreateWindows(page, report);
    impl.langList.CreateWindows(page, report);
    impl.edits.CreateWindows(page, report);
    impl.links.CreateWindows(page, report);
    impl.statics.CreateWindows(page, report);
    impl.buttons.CreateWindows(page, report);
    impl.resultLists.CreateWindows(page, report);
}

void CPageObjects::Clear() {
    Impl& impl = *m_impl;
    impl.links.Clear();
    impl.buttons.Clear();
    impl.bitmaps.Clear();
    impl.statics.Clear();
    impl.langList.Clear();
    impl.edits.Clear();
    impl.resultLists.Clear();
    impl.avis.Clear();
    impl.drawings.clear();
    impl.warnings.clear();
}

void CPageObjects::PaintDrawings(HDC dc) const {
    for (const DRAWING_RECORD& drawing : m_impl->drawings) {
        setup::PaintDrawing(dc, drawing);
    }
}

void CPageObjects::ToggleShow(const std::string& section) {
    Impl& impl = *m_impl;
    impl.links.ToggleShow(section);
    impl.statics.ToggleShow(section);
    impl.buttons.ToggleShow(section);
    impl.bitmaps.ToggleShow(section);
    impl.langList.ToggleShow(section);
    impl.edits.ToggleShow(section);
    impl.avis.ToggleShow(section);
    impl.resultLists.ToggleShow(section);
}

HWND CPageObjects::GetDefaultFocus() const {
    const Impl& impl = *m_impl;
    if (HWND link = impl.links.GetDefaultWindow()) {
        return link;
    }
    if (HWND button = impl.buttons.GetDefaultWindow()) {
        return button;
    }
    return impl.langList.GetDefaultWindow();
}

HWND CPageObjects::GetObjectWindow(const std::string& section) const {
    const Impl& impl = *m_impl;
    for (HWND window : {impl.links.FindHandle(section), impl.statics.FindHandle(section),
                        impl.buttons.FindHandle(section), impl.bitmaps.FindHandle(section),
                        impl.langList.FindHandle(section), impl.edits.FindHandle(section),
                        impl.avis.FindHandle(section), impl.resultLists.FindHandle(section)}) {
        if (window != nullptr) {
            return window;
        }
    }
    return nullptr;
}

size_t CPageObjects::GetObjectCount() const {
    const Impl& impl = *m_impl;
    return impl.links.GetCount() + impl.statics.GetCount() + impl.buttons.GetCount() +
           impl.bitmaps.GetCount() + impl.langList.GetCount() + impl.edits.GetCount() +
           impl.avis.GetCount() + impl.resultLists.GetCount() + impl.drawings.size();
}

const std::vector<std::string>& CPageObjects::GetWarnings() const {
    return m_impl->warnings;
}
