// A result list object: a list box without selection that shows the
// display names of the items the run is about to act on (SelectedItems.h).
// It refills itself whenever its page is entered (WM_PAGE_RESTART).
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "WindowSubclass.h"
#include "platform/Gdi.h"
#include "platform/ListBox.h"

class CResultList {
public:
    // Added to the widest line for the horizontal scroll extent.
    static constexpr int kExtentMargin = 10;

    CResultList() = default;
    CResultList(const CResultList&) = delete;
    CResultList& operator=(const CResultList&) = delete;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    HWND GetHandle() const { return m_list.GetHandle(); }
    // Empties the list and adds the selected items' names.
    void Refill();

private:
    // Destroyed last: the subclass lets go of the list first.
    platform::UniqueWindow m_owned;
    platform::ListBox m_list;
    platform::UniqueFont m_font;
    CWindowSubclass m_subclass;
};
