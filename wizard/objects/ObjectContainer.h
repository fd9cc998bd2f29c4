// The objects of one kind on a page: their records, read from their
// sections, and their windows, made when the page is placed. TWindow is one
// of the object window classes (see ObjectWindow.h for what it offers).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ObjectKeys.h"
#include "ObjectRecord.h"
#include "environment/ConfigFile.h"
#include "foundation/NameCompare.h"

// What went wrong with an object: its section, the reason, and whether the
// object is left out because of it.
using ObjectReport =
    std::function<void(const std::string& section, const std::string& reason, bool leftOut)>;

template <typename TWindow>
class CObjectContainer {
public:
    struct Entry {
        OBJECT_RECORD record;
        std::unique_ptr<TWindow> window;
    };

    CObjectContainer() = default;
    CObjectContainer(const CObjectContainer&) = delete;
    CObjectContainer& operator=(const CObjectContainer&) = delete;

    // Resolves name to a section variant, reads the record and appends it.
    // False (reported) when the name does not resolve, the section cannot be
    // read or the object's command cannot run.
    bool Add(CConfigFile& config, const std::string& name, const setup::ObjectReadContext& context,
             const ObjectReport& report) {
        std::string section;
        if (!config.FindSectionVariant(name.c_str(), section)) {
            report(name, "the section does not exist", true);
            return false;
        }
        std::vector<std::string> reasons;
        setup::ObjectReadContext readContext = context;
        readContext.report = [&reasons](const std::string& reason) { reasons.push_back(reason); };
        auto entry = std::make_unique<Entry>();
        const bool loaded = setup::LoadObjectRecord(entry->record, config, section, readContext);
        if (!loaded) {
            std::string why;
            for (const std::string& reason : reasons) {
                why += (why.empty() ? "" : "; ") + reason;
            }
            report(section, why.empty() ? "the section cannot be read" : why, true);
            return false;
        }
        for (const std::string& reason : reasons) {
            report(section, reason, false);
        }
        m_entries.push_back(std::move(entry));
        return true;
    }

    // Creates the window of every object in configuration order (windows
    // made before are destroyed first). An object whose window cannot be
    // made is reported and stays without one.
    void CreateWindows(HWND page, const ObjectReport& report) {
        DestroyWindows();
        int index = 0;
        for (const std::unique_ptr<Entry>& entry : m_entries) {
            auto window = std::make_unique<TWindow>();
            std::string why;
            if (window->CreateObject(entry->record, page, index, why)) {
                entry->window = std::move(window);
                if (!why.empty()) {
                    report(entry->record.sectionName, why, false);
                }
            } else {
                report(entry->record.sectionName, why, true);
            }
            ++index;
        }
    }

    void DestroyWindows() {
        for (const std::unique_ptr<Entry>& entry : m_entries) {
            entry->window.reset();
        }
    }

    // Destroys windows and records.
    void Clear() {
        DestroyWindows();
        m_entries.clear();
    }

    size_t GetCount() const { return m_entries.size(); }
    const OBJECT_RECORD& GetRecord(size_t index) const { return m_entries[index]->record; }
    // The object's window object; null before CreateWindows or when it has
    // none.
    TWindow* GetWindow(size_t index) const { return m_entries[index]->window.get(); }
    HWND GetHandle(size_t index) const {
        const TWindow* window = GetWindow(index);
        return window != nullptr ? window->GetHandle() : nullptr;
    }

    // The index of the first object of that section (without regard to
    // case); -1 when there is none.
    int Find(const std::string& section) const {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (setup::SameName(m_entries[i]->record.sectionName.c_str(), section.c_str())) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // The window of the first object of that section; null when there is
    // no such object or it has no window.
    HWND FindHandle(const std::string& section) const {
        const int index = Find(section);
        return index >= 0 ? GetHandle(static_cast<size_t>(index)) : nullptr;
    }

    // The window of the first object of that section shown when hidden,
    // hidden when shown. False when there is no such object or it has no
    // window.
    bool ToggleShow(const std::string& section) {
        const HWND window = FindHandle(section);
        if (window == nullptr || !::IsWindow(window)) {
            return false;
        }
        ::ShowWindow(window,
                     (::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0 ? SW_HIDE : SW_SHOWNA);
        return true;
    }

    // The window of the first object marked "DEFAULT_BUTTON" that has one.
    HWND GetDefaultWindow() const {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (m_entries[i]->record.defaultButton && GetHandle(i) != nullptr) {
                return GetHandle(i);
            }
        }
        return nullptr;
    }

private:
    std::vector<std::unique_ptr<Entry>> m_entries;
};
