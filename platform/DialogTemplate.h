// A dialog template built at run time (DLGTEMPLATE followed by its
// DLGITEMTEMPLATE records), for dialogs whose size and controls come from
// configuration rather than from a resource. Positions and sizes are dialog
// units, as in a resource script; texts are ANSI and stored as the UTF-16
// the template format requires. Values outside -32768..32767 are clamped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace platform {

class DialogTemplate {
public:
    // The system's predefined control classes, stored as atoms.
    enum class ControlClass : WORD {
        kButton = 0x0080,
        kEdit = 0x0081,
        kStatic = 0x0082,
        kListBox = 0x0083,
        kScrollBar = 0x0084,
        kComboBox = 0x0085,
    };

    // A dialog of the given style and place. With a non-empty fontFace the
    // template carries DS_SETFONT and that font in pointSize.
    DialogTemplate(DWORD style, DWORD exStyle, int x, int y, int width, int height,
                   const std::string& title, const std::string& fontFace = "MS Shell Dlg",
                   WORD pointSize = 8);

    // Appends a control of a predefined class or of a registered class name
    // ("msctls_progress32", "SysListView32", ...). WS_CHILD is always added.
    void AddControl(WORD id, ControlClass controlClass, const std::string& text, DWORD style, int x,
                    int y, int width, int height, DWORD exStyle = 0);
    void AddControl(WORD id, const std::string& className, const std::string& text, DWORD style,
                    int x, int y, int width, int height, DWORD exStyle = 0);

    // The template, valid until this object is changed or destroyed.
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_data.data()); }
    size_t GetControlCount() const { return m_controlCount; }

private:
    void AppendDword(DWORD value);
    void AppendShort(int value);
    void AppendText(const std::string& text);
    void AlignToDword();
    void AppendItemHeader(WORD id, DWORD style, DWORD exStyle, int x, int y, int width, int height);
    void CountControl();

    // WORDs keep the data 2-byte aligned; the vector's storage is aligned
    // well beyond the DWORD boundary the format asks for.
    std::vector<WORD> m_data;
    size_t m_controlCount = 0;
};

}  // namespace platform
