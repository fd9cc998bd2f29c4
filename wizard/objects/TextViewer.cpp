#include "TextViewer.h"

#include "ObjectFont.h"
#include "ObjectWindow.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "platform/Handle.h"
#include "wizard/WizardMessages.h"

bool CTextViewer::ReadTextFile(const std::string& path, std::string& text, DWORD& error) {
    platform::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = ::GetLastError();
        return false;
    }
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file.get(), &size)) {
        error = ::GetLastError();
        return false;
    }
    if (size.QuadPart > kMaxTextFile) {
        error = ERROR_FILE_TOO_LARGE;
        return false;
    }
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        !::ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        error = ::GetLastError();
        return false;
    }
    bytes.resize(read);
    text.clear();
    text.reserve(bytes.size() + bytes.size() / 32);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) {
            text += '\r';
        }
        text += bytes[i];
    }
    error = 0;
    return true;
}

bool CTextViewer::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    CInstallEnv* env = GetInstallEnv();
    const std::string path =
        env != nullptr ? env->ResolvePath(record.textFile, false) : record.textFile;
    std::string text;
    DWORD error = 0;
    if (record.textFile.empty() || !ReadTextFile(path, text, error)) {
        LogWriteError(error != 0 ? error : ERROR_FILE_NOT_FOUND, "CFile::Open");
        why = "text file " + (record.textFile.empty() ? std::string("(no TEXT_FILE)") : path) +
              (error == ERROR_FILE_TOO_LARGE ? " is larger than 4 MB" : " cannot be opened");
        return false;
    }
    const RECT rect = record.Rect(0, 0);
    if (!m_edit.Create(page, kObjectControlId, rect, std::string(),
                       WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPSIBLINGS | ES_MULTILINE |
                           ES_READONLY | ES_AUTOVSCROLL)) {
        why = "the text viewer cannot be created";
        return false;
    }
    m_owned.reset(m_edit.GetHandle());
    m_font = setup::MakeNormalGuiFont();
    m_edit.SetFont(m_font.get(), false);
    m_edit.SetLimit(0);
    m_edit.SetText(text);
    setup::ApplyEnableAndShow(m_edit, record);
    return true;
}
