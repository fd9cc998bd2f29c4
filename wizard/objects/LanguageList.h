// The language list object: a drop-down list of the package's languages.
// Its "DATA_SECTION" lists one language a line as "id = message key"; the
// entry shows that message of the string file's "MESSAGES" section. The
// requested language (else the current one) is selected. Choosing another
// entry posts "CT_CHANGE_LANG" with its id; while the list is dropped down,
// moving through it posts nothing until the choice is made. The list stays
// disabled when the command line fixed the language for the run.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ObjectRecord.h"
#include "ObjectToolTip.h"
#include "WindowSubclass.h"
#include "platform/ComboBox.h"
#include "platform/Gdi.h"

class CLanguageList {
public:
    // Longest language id kept with an entry.
    static constexpr size_t kMaxId = 15;
    // Most entries the dropped list shows at once.
    static constexpr int kMaxVisibleEntries = 10;

    CLanguageList() = default;
    CLanguageList(const CLanguageList&) = delete;
    CLanguageList& operator=(const CLanguageList&) = delete;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    HWND GetHandle() const { return m_combo.GetHandle(); }
    // The language ids of the entries, in list order.
    const std::vector<std::string>& GetIds() const { return m_ids; }

private:
    bool Fill(const std::string& dataSection);
    void SelectLanguage();
    void FitToEntries();
    bool OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Commit();

    // Destroyed last: the page hook and the tooltip let go of the list first.
    platform::UniqueWindow m_owned;
    platform::ComboBox m_combo;
    std::vector<std::string> m_ids;
    int m_committed = -1;
    platform::UniqueFont m_font;
    CWindowSubclass m_pageHook;
    CObjectToolTip m_tip;
};
