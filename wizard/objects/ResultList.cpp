#include "ResultList.h"

#include <algorithm>

#include "ObjectFont.h"
#include "ObjectWindow.h"
#include "SelectedItems.h"
#include "wizard/WizardMessages.h"

bool CResultList::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    const RECT rect = record.Rect(10, 10);
    if (!m_list.Create(
            page, kObjectControlId, rect,
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOSEL | LBS_NOINTEGRALHEIGHT,
            WS_EX_CLIENTEDGE)) {
        why = "the result list cannot be created";
        return false;
    }
    m_owned.reset(m_list.GetHandle());
    m_font = setup::MakeNormalGuiFont();
    m_list.SetFont(m_font.get(), false);
    m_subclass.Attach(m_list, [this](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message != WM_PAGE_RESTART) {
            return false;
        }
        Refill();
        result = 0;
        return true;
    });
    setup::ApplyEnableAndShow(m_list, record);
    return true;
}

void CResultList::Refill() {
    m_list.ResetContent();
    LONG widest = 0;
    for (const std::string& name : setup::GetSelectedItemNames()) {
        m_list.AddString(name);
        widest = std::max(widest, setup::MeasureTextBlock(m_list.GetFont(), name).cx);
    }
    m_list.SetHorizontalExtent(widest + kExtentMargin);
}
