// A link object: text (and optionally an icon) painted like a hyperlink on
// the page's background. The pointer turns into a hand over it; resting on
// it makes it hot (repainted in its hot colour, given the focus, its
// "SCRIPT" shown in the page's status line); a click posts its command to
// the wizard. A link whose "UNSUPPORTED_OS" names the running platform is
// painted in its disabled colour and keeps the normal pointer.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "ObjectToolTip.h"
#include "platform/CustomWindow.h"
#include "platform/Gdi.h"

class CMyLink : public platform::CustomWindow {
public:
    static constexpr const char* kClassName = "SetupPageLink";
    // Colours of a link whose section gives none.
    static constexpr COLORREF kNormalColor = RGB(0, 0, 255);
    static constexpr COLORREF kHotColor = RGB(255, 0, 0);
    // Space between the icon and the text, and around the text when the
    // link is sized to it.
    static constexpr int kIconGap = 10;
    static constexpr int kTextMargin = 10;

    enum class State { kNormal, kHot, kPressed };

    CMyLink() = default;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    State GetState() const { return m_state; }
    bool IsUnsupported() const { return m_unsupported; }
    // The colour the text is painted in now.
    COLORREF GetTextColor() const;
    HWND GetToolTip() const { return m_tip.GetHandle(); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;

private:
    bool LoadIcons(const OBJECT_RECORD& record, std::string& why);
    HFONT TextFont() const;
    HBITMAP CurrentIcon() const;
    SIZE IconSize() const;
    void SetState(State state);
    void OnHover();
    void OnLeave();
    void TrackMouse();

    std::string m_name;
    std::string m_script;
    COMMAND_RECORD m_command;
    COLORREF m_normalColor = kNormalColor;
    COLORREF m_hotColor = kHotColor;
    COLORREF m_disabledColor = 0;
    COLORREF m_transColor = 0;
    bool m_unsupported = false;
    bool m_tracking = false;
    State m_state = State::kNormal;
    platform::UniqueFont m_font;      // from "FONT"
    platform::UniqueFont m_boldFont;  // the page's font in bold
    platform::UniqueBitmap m_offIcon;
    platform::UniqueBitmap m_onIcon;
    platform::UniqueBitmap m_clickedIcon;
    CObjectToolTip m_tip;
};
