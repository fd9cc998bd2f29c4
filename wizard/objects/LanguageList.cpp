#include "LanguageList.h"

#include <algorithm>

#include "ObjectFont.h"
#include "ObjectWindow.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/NameCompare.h"
#include "foundation/Profile.h"
#include "wizard/WizardMessages.h"

namespace {

constexpr const char* kMessagesSection = "MESSAGES";
constexpr const char* kSelectError =
    "Initialize Language Combo Box Error!! --> Error SetCurSel function";

}  // namespace

bool CLanguageList::CreateObject(const OBJECT_RECORD& record, HWND page, int, std::string& why) {
    const RECT rect = record.Rect(10, 10);
    if (!m_combo.Create(page, kObjectControlId, rect,
                        WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST)) {
        why = "the language list cannot be created";
        return false;
    }
    m_owned.reset(m_combo.GetHandle());
    if (record.fontGiven) {
        m_font = setup::MakeObjectFont(page, record.font);
    }
    m_combo.SetFont(m_font ? m_font.get() : setup::PageFont(page), false);
    if (!Fill(record.dataSection)) {
        why = "the language section [" + record.dataSection + "] cannot be read";
    }
    SelectLanguage();
    FitToEntries();
    m_pageHook.Attach(page, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
        return OnPageMessage(message, wParam, lParam);
    });
    m_tip.Attach(m_combo, record.tooltip);
    setup::ApplyEnableAndShow(m_combo, record);
    CInstallEnv* env = GetInstallEnv();
    if (env != nullptr && env->GetLanguage().fixedForRun) {
        m_combo.Enable(false);
    }
    return true;
}

bool CLanguageList::Fill(const std::string& dataSection) {
    CInstallEnv* env = GetInstallEnv();
    std::vector<std::string> lines;
    if (env == nullptr ||
        !env->GetConfigFiles().Configure().GetSectionLines(dataSection.c_str(), lines, true)) {
        return false;
    }
    CConfigFile& strings = env->GetConfigFiles().Strings();
    for (const std::string& line : lines) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        std::string id = setup::TrimBlanks(line.substr(0, equals));
        const std::string key = setup::TrimBlanks(line.substr(equals + 1));
        if (id.size() > kMaxId) {
            id.resize(kMaxId);
        }
        std::string text;
        if (!strings.GetString(kMessagesSection, key.c_str(), text, true)) {
            text.clear();
        }
        if (m_combo.AddString(text) >= 0) {
            m_ids.push_back(id);
        }
    }
    return true;
}

void CLanguageList::SelectLanguage() {
    CInstallEnv* env = GetInstallEnv();
    int selection = -1;
    if (env != nullptr) {
        for (const WORD wanted : {env->GetLanguage().requestedId, env->GetLanguage().currentId}) {
            for (size_t i = 0; i < m_ids.size() && selection < 0; ++i) {
                if (CProfile::StringToDword(m_ids[i].c_str()) == wanted) {
                    selection = static_cast<int>(i);
                }
            }
            if (selection >= 0) {
                break;
            }
        }
    }
    if (selection < 0 || !m_combo.SetCurSel(selection)) {
        LogWrite("%s", kSelectError);
        return;
    }
    m_committed = selection;
}

void CLanguageList::FitToEntries() {
    const int count = m_combo.GetCount();
    LONG widest = 0;
    for (int i = 0; i < count; ++i) {
        std::string text;
        if (m_combo.GetItemText(i, text)) {
            widest = std::max(widest, setup::MeasureTextBlock(m_combo.GetFont(), text).cx);
        }
    }
    RECT rect;
    if (!m_combo.GetRectInParent(rect)) {
        return;
    }
    const LONG height = rect.bottom - rect.top;
    const LONG width = widest + height;
    if (m_combo.GetDroppedWidth() < width) {
        const int visible = std::max(1, std::min(count, kMaxVisibleEntries));
        m_combo.Move(rect.left, rect.top, width, height * visible);
        m_combo.SetDroppedWidth(width);
    }
}

bool CLanguageList::OnPageMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND || reinterpret_cast<HWND>(lParam) != m_combo.GetHandle()) {
        return false;
    }
    switch (HIWORD(wParam)) {
        case CBN_SELCHANGE:
            // Moving through the dropped list is no choice yet.
            if (m_combo.SendMessage(CB_GETDROPPEDSTATE) == FALSE) {
                Commit();
            }
            break;
        case CBN_CLOSEUP:
            Commit();
            break;
        default:
            break;
    }
    // The page sees its notifications as well.
    return false;
}

void CLanguageList::Commit() {
    const int selection = m_combo.GetCurSel();
    if (selection < 0 || selection == m_committed ||
        static_cast<size_t>(selection) >= m_ids.size()) {
        return;
    }
    m_committed = selection;
    setup::PostObjectCommand(COMMAND_RECORD::Make("CT_CHANGE_LANG", m_ids[selection]));
}
