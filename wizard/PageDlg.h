// The base of every wizard page: a dialog from its kind's template whose
// look comes from its page section (CPageConfig): background, objects,
// drawings, the status line and the fixed controls of the template. The
// wizard talks to a page through the virtual operations below; page kinds
// add their behaviour by overriding them.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <string>

#include "PageConfig.h"
#include "commands/CommandRecord.h"
#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/Static.h"

class CPageDlg : public platform::Dialog {
public:
    // Kinds of fixed controls for BindFixedControl.
    static constexpr int kStaticControl = 1;
    static constexpr int kListControl = 7;
    // Controls of this kind keep their left-to-right layout.
    static constexpr int kUnmirroredControl = 16;

    explicit CPageDlg(int templateId);
    ~CPageDlg() override;

    // Called on the page being left.
    virtual void OnLeavePage();
    // Called after the page is shown, with the parameter of the request that
    // opened it.
    virtual void OnEnterPage(const std::string& parameter);
    // Called before the page is shown. The result says whether the page is
    // ready; the wizard shows the page either way.
    virtual bool PrepareEnterPage();
    // Reads the page section again and rebuilds the page in the current
    // language and layout; the page is hidden afterwards. False when the
    // description could not be read.
    virtual bool RefreshConfig();
    // Creates the page window (modeless) from the kind's template as a
    // child of parent.
    virtual bool CreatePage(HWND parent);
    // Reads the page description of section.
    virtual bool SetConfig(const std::string& section);
    // The page section's "BLOCK_CANCEL".
    virtual bool IsCancelBlocked() const;
    // Binds the template's controls to their control sections.
    virtual void SetFixedControls();

    // Runs the page as a modal dialog over parent (its own caption, the
    // modal buttons) and returns how it ended (IDOK, IDCANCEL, -1).
    INT_PTR DoModalPage(HWND parent);
    // Leaves the page forward by posting its "FIXED_NEXT" command; only the
    // first call after each entry acts. Without force, a control section
    // that names a second target in "CMD_PARAM2" opens that one instead.
    bool GoNext(bool force);

    // Places a template control by the control section that key names
    // ("POSITION", "SIZE", "NAME", "ENABLE"); hides it and gives false when
    // the key is missing.
    bool BindFixedControl(const char* key, HWND control, int kind);
    // "CMD_TYPE" and "CMD_PARAM1".."CMD_PARAM3" of the control section that
    // key names. False when the section has no "CMD_TYPE" (the record is then
    // empty); an empty key value gives true with an empty record.
    bool ReadControlCommand(const char* key, COMMAND_RECORD& command) const;
    // "BACK_COLOR" of the control section that key names.
    bool ReadBackColor(const char* key, COLORREF& color) const;
    // "ITEM_TYPE" of the page section (or its base) as flags.
    int GetItemTypeFlags() const;

    CPageConfig& GetConfig() { return m_config; }
    const CPageConfig& GetConfig() const { return m_config; }
    int GetTemplateId() const { return m_templateId; }
    bool IsEntered() const { return m_entered; }
    bool IsModalPage() const { return m_modalPage; }
    const COMMAND_RECORD& GetNextCommand() const { return m_nextCommand; }
    HWND GetStatusLine() const { return m_statusLine; }
    const std::string& GetStatusDefault() const { return m_statusDefault; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnInitDialog(HWND focus) override;
    bool OnCommand(int notifyCode, int id, HWND control) override;
    bool OnPaint() override;
    // Enter and Escape never close a page.
    void OnOk() override {}
    void OnCancel() override {}

    // A control the page kind wants to have the focus when the page gets it.
    void SetFocusControl(HWND control) { m_focusControl = control; }
    // Posts a command record to the wizard.
    static bool PostCommand(const COMMAND_RECORD& command);

private:
    // The control section that key names (page section, then base); empty
    // when the key is missing.
    bool FindControlSection(const char* key, std::string& section) const;
    void SetStatusText(const std::string& text);
    void ApplyLayoutDirection();
    void CreateModalButtons();

    int m_templateId;
    CPageConfig m_config;
    // The colours and font a control section gives a static text of the
    // template (the status line among them).
    struct StaticStyle {
        COLORREF textColor = 0;
        bool textGiven = false;
        COLORREF backColor = 0;
        platform::UniqueBrush backBrush;
        platform::UniqueFont font;
    };
    void StyleStatic(HWND control, const std::string& section);
    bool PaintStatic(HDC dc, HWND control, LRESULT& result) const;

    platform::Static m_statusLine;
    std::string m_statusDefault;
    std::map<HWND, StaticStyle> m_staticStyles;
    COMMAND_RECORD m_nextCommand;
    bool m_entered = false;
    bool m_modalPage = false;
    HWND m_focusControl = nullptr;
    std::array<platform::Button, 4> m_modalButtons;
    std::array<COMMAND_RECORD, 4> m_modalCommands;
};
