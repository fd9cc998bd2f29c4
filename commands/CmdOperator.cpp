#include "CmdOperator.h"

#include "Applicability.h"
#include "CommandLine.h"
#include "CommandMessages.h"
#include "CommandTable.h"
#include "CommandText.h"
#include "WaitCursor.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"

namespace {

CCmdOperator* g_commands = nullptr;

// Counts the command sections running inside one another for their lifetime.
class SectionDepth {
public:
    explicit SectionDepth(int& depth) : m_depth(depth) { ++m_depth; }
    ~SectionDepth() { --m_depth; }
    SectionDepth(const SectionDepth&) = delete;
    SectionDepth& operator=(const SectionDepth&) = delete;

private:
    int& m_depth;
};

}  // namespace

CCmdOperator* GetCmdOperator() {
    return g_commands;
}
void SetCmdOperator(CCmdOperator* commands) {
    g_commands = commands;
}

CCmdOperator::CCmdOperator(CInstallEnv& env) : m_env(env) {}

CCmdOperator::~CCmdOperator() {
    if (g_commands == this) {
        g_commands = nullptr;
    }
}

bool CCmdOperator::Execute(const COMMAND_RECORD* command) {
    return command != nullptr && Execute(*command);
}

bool CCmdOperator::Execute(const COMMAND_RECORD& command) {
    setup::CWaitCursor wait;
    COMMAND_RECORD copy = command;
    copy.Cut();
    LogWrite("Call Command : Type = %s, Param1=%s,Param2=%s,Param3=%s,Param4=%s,Param5=%s",
             copy.type.c_str(), copy.params[0].c_str(), copy.params[1].c_str(),
             copy.params[2].c_str(), copy.params[3].c_str(), copy.params[4].c_str());
    const setup::CommandEntry* entry = setup::FindCommand(copy.type);
    return entry == nullptr || entry->handler(*this, copy);
}

bool CCmdOperator::ExecuteLine(const std::string& line) {
    std::string ignored;
    const COMMAND_RECORD command = setup::ParseCommandLine(line, &ignored);
    if (!ignored.empty()) {
        LogWrite("Command line (%s): text after the third parameter is ignored (%s)",
                 command.type.c_str(), ignored.c_str());
    }
    return Execute(command);
}

bool CCmdOperator::IssueCommand(const std::string& type, const std::string& param1,
                                const std::string& param2, const std::string& param3,
                                const std::string& param4, const std::string& param5) {
    return Execute(COMMAND_RECORD::Make(type, param1, param2, param3, param4, param5));
}

bool CCmdOperator::PostCommand(const std::string& type, const std::string& param1,
                               const std::string& param2, const std::string& param3,
                               const std::string& param4, const std::string& param5) {
    return PostCommand(COMMAND_RECORD::Make(type, param1, param2, param3, param4, param5));
}

bool CCmdOperator::PostCommand(const COMMAND_RECORD& command) {
    if (m_silent) {
        LogWrite("Silent run: command %s is not posted", command.type.c_str());
        return true;
    }
    const HWND window = m_mainWindow;
    if (window == nullptr) {
        LogWrite("No main window: command %s is not posted", command.type.c_str());
        return false;
    }
    COMMAND_RECORD* queued = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_postedMutex);
        m_posted.push_back(command);
        m_posted.back().Cut();
        queued = &m_posted.back();
    }
    if (!PostMessageA(window, WM_WIZARD_RUN_COMMAND, 0, reinterpret_cast<LPARAM>(queued))) {
        const DWORD error = GetLastError();
        {
            std::lock_guard<std::mutex> lock(m_postedMutex);
            for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
                if (&*it == queued) {
                    m_posted.erase(it);
                    break;
                }
            }
        }
        LogWriteError(error, "Post command %s fail", command.type.c_str());
        return false;
    }
    return true;
}

bool CCmdOperator::RunPostedCommand(LPARAM lParam) {
    if (lParam == 0) {
        return false;
    }
    COMMAND_RECORD command;
    bool found = false;
    {
        std::lock_guard<std::mutex> lock(m_postedMutex);
        for (auto it = m_posted.begin(); it != m_posted.end(); ++it) {
            if (reinterpret_cast<LPARAM>(&*it) == lParam) {
                command = std::move(*it);
                m_posted.erase(it);
                found = true;
                break;
            }
        }
    }
    if (!found) {
        LogWrite("Command Structure is invalid");
        return false;
    }
    return Execute(command);
}

size_t CCmdOperator::PendingCommands() const {
    std::lock_guard<std::mutex> lock(m_postedMutex);
    return m_posted.size();
}

bool CCmdOperator::IsSectionApplicable(const std::string& section) {
    return setup::IsSectionApplicable(m_env.GetConfigFiles().Command(), section,
                                      m_env.GetInstallRecord().osDefine,
                                      m_env.GetLanguage().currentAbbr);
}

bool CCmdOperator::RunPageOrCommand(const std::string& choice) {
    if (setup::IsCommandText(choice)) {
        return ExecuteLine(choice);
    }
    return IssueCommand("CT_OPEN_DLG", choice);
}

bool CCmdOperator::RunCommandSection(const std::string& section) {
    if (m_sectionDepth >= kMaxSectionDepth) {
        LogWrite("Command section (%s) is nested more than %d deep: stopped", section.c_str(),
                 kMaxSectionDepth);
        m_stopSections = true;
        return false;
    }
    CConfigFiles& files = m_env.GetConfigFiles();
    std::vector<std::string> lines;
    if (!files.Configure().GetSectionLines(section.c_str(), lines, true) &&
        !files.Command().GetSectionLines(section.c_str(), lines, true)) {
        LogWrite("Command section (%s) not found", section.c_str());
        return false;
    }
    {
        SectionDepth depth(m_sectionDepth);
        for (const std::string& line : lines) {
            ExecuteLine(line);
            if (m_stopSections) {
                break;
            }
        }
    }
    const bool completed = !m_stopSections;
    if (m_sectionDepth == 0) {
        m_stopSections = false;
    }
    return completed;
}
