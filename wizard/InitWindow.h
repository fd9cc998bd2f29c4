// The small progress window shown while the wizard builds its pages
// ("INIT_WINDOW") and while a language change rebuilds them
// ("CHANGE_LANG_WIN"): described by a page section like a page, with a
// progress bar placed by the section that "PROGRESS_BAR" names.
#pragma once

#include <windows.h>

#include <string>

#include "PageConfig.h"
#include "platform/Dialog.h"
#include "platform/ProgressBar.h"

class CInitWindow : public platform::Dialog {
public:
    CInitWindow() = default;
    ~CInitWindow() override;

    // Reads the section and creates the window over parent (hidden; Show
    // it). False, and no window, for an empty name or a section that cannot
    // be read ("[%s] Get Init Dialog information fail!").
    bool Create(const std::string& section, HWND parent);
    // The bar's position, 0 to 100.
    int GetPosition() const;
    const CPageConfig& GetConfig() const { return m_config; }

protected:
    bool OnInitDialog(HWND focus) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnPaint() override;
    void OnOk() override {}
    void OnCancel() override {}

private:
    void PlaceProgressBar();

    CPageConfig m_config;
    platform::ProgressBar m_progress;
    int m_step = 0;
};
