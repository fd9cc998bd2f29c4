// The description of a page (or of a small window built like one): read
// from its page section with the section named by "BASE_ON" and the section
// "DLG_COMMON" as fallbacks, it gives the caption, the background bitmap,
// the rectangle and placement, and owns the page's objects.
#pragma once

#include <windows.h>

#include <string>

#include "PageObjects.h"
#include "platform/Gdi.h"
#include "platform/Window.h"

class CConfigFile;

class CPageConfig {
public:
    static constexpr const char* kCommonSection = "DLG_COMMON";

    enum PosType { kCentred = 0, kFree = 1, kFullScreen = 2 };

    CPageConfig() = default;
    CPageConfig(const CPageConfig&) = delete;
    CPageConfig& operator=(const CPageConfig&) = delete;

    // Reads the page section from the configure file and builds the objects
    // (no windows yet). owner is the page or window the description belongs
    // to; its window may be created later (before Place). embedded: a page
    // inside the wizard or the progress window. False only without an owner.
    bool SetConfig(const platform::Window* owner, const std::string& section, bool embedded);
    // Destroys the objects and their windows.
    void Clear();
    // Creates the object windows and sizes the owner (see the comment in the
    // source for the placement rules).
    void Place(bool modal);
    // Paints the background bitmap and the drawings into the owner's client
    // area.
    void Paint(HDC dc) const;

    HWND GetOwner() const { return m_owner != nullptr ? m_owner->GetHandle() : nullptr; }
    const std::string& GetSectionName() const { return m_section; }
    const std::string& GetBaseSection() const { return m_baseSection; }
    const std::string& GetCaption() const { return m_caption; }
    const std::string& GetBackBitmap() const { return m_backBitmap; }
    bool IsStretchBack() const { return m_stretchBack; }
    const RECT& GetRect() const { return m_rect; }
    bool IsRectGiven() const { return m_rectGiven; }
    PosType GetPosType() const { return m_posType; }
    bool IsCancelBlocked() const { return m_blockCancel; }
    bool IsEmbedded() const { return m_embedded; }
    CPageObjects& GetObjects() { return m_objects; }
    const CPageObjects& GetObjects() const { return m_objects; }

    // A key of the page section, else of its base section; with common also
    // of "DLG_COMMON". Values are read with variable substitution.
    bool GetValue(const char* key, std::string& value, bool common = false) const;
    bool GetDword(const char* key, DWORD& value, bool common = false) const;

    // The configure file all pages read (the environment's).
    static CConfigFile* GetConfigure();

private:
    const platform::Window* m_owner = nullptr;
    std::string m_section;
    std::string m_baseSection;
    std::string m_caption;
    std::string m_backBitmap;
    bool m_stretchBack = false;
    RECT m_rect = {};
    bool m_rectGiven = false;
    PosType m_posType = kCentred;
    bool m_blockCancel = false;
    bool m_embedded = false;
    CPageObjects m_objects;
    // The background, loaded once per reading of the section (every paint
    // would otherwise load it again, and links repaint their page on hover).
    HBITMAP BackgroundBitmap() const;
    mutable platform::UniqueBitmap m_background;
    mutable bool m_backgroundLoaded = false;
};
