// The objects of one page: what its section lists under "NUM_OF_OBJ" and
// "OBJ_%d" beyond the controls of its template. Links, texts, bitmaps,
// buttons, the language list, text viewers, animations and result lists
// are read into one container per kind and get their windows when the page
// is placed; lines, rectangles, edges, group boxes and gradients are painted
// by the page. Objects that cannot be resolved, read or used are left out
// (with a warning, see GetWarnings); the page shows the others.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CConfigFile;

class CPageObjects {
public:
    // More objects than this in one page section are not read (a count of
    // 100000 would only make the page slow to build).
    static constexpr DWORD kMaxObjects = 1024;

    CPageObjects();
    ~CPageObjects();
    CPageObjects(const CPageObjects&) = delete;
    CPageObjects& operator=(const CPageObjects&) = delete;

    // Reads the object list of the page section (keys looked up in the page
    // section, then in baseSection when not empty) from config, replacing
    // what was read before. No windows are made here.
    void Build(CConfigFile& config, const std::string& pageSection, const std::string& baseSection);
    // Creates the windows of every object as children of page, kind after
    // kind: bitmaps, animations, language list, text viewers, links, texts,
    // buttons, result lists, then the destination directory.
    void CreateWindows(HWND page);
    // Destroys every window and record.
    void Clear();
    // Paints the drawings in configuration order (called after the
    // background by the page's WM_PAINT).
    void PaintDrawings(HDC dc) const;
    // Shows the windows of the objects named section (compared without
    // regard to case) when hidden, hides them when visible; the first match
    // of every kind toggles.
    void ToggleShow(const std::string& section);
    // The window that takes the focus when the page gets it: the first link
    // marked "DEFAULT_BUTTON", else the first such button, else the language
    // list when so marked; null when none.
    HWND GetDefaultFocus() const;
    // The window of the first object of that section (compared without
    // regard to case), kinds searched in the order of ToggleShow; null when
    // there is none or it has no window.
    HWND GetObjectWindow(const std::string& section) const;

    // Objects read (all kinds, drawings included) and what was left out and
    // why, for the page preview: the lines Build and CreateWindows logged
    // ("Page object [BITMAP.LOGO] left out: bitmap LOGO1 is missing") and
    // the gaps in the OBJ_ keys. Build starts a new list.
    size_t GetObjectCount() const;
    const std::vector<std::string>& GetWarnings() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
