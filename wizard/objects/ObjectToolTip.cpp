#include "ObjectToolTip.h"

#include "platform/CommonControls.h"

bool CObjectToolTip::Attach(HWND tool, const std::string& text) {
    Destroy();
    if (text.empty()) {
        return true;
    }
    platform::InitCommonControlClasses();
    if (!m_tip.Create(::GetParent(tool) != nullptr ? ::GetParent(tool) : tool)) {
        return false;
    }
    m_tip.SetMaxTipWidth(400);
    if (!m_tip.AddTool(tool, text)) {
        Destroy();
        return false;
    }
    return true;
}

void CObjectToolTip::Destroy() {
    if (m_tip.IsWindow()) {
        m_tip.Destroy();
    }
    m_tip.Attach(nullptr);
}
