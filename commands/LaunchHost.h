// What the command executor needs to start programs, documents, test pages,
// the diagnosis and the remote install. The launch side implements it and
// registers it with the executor; until it does, these commands log that
// they are not available and fail.
#pragma once

#include <string>

namespace setup {

// How the installer waits for a program it starts.
enum class ProgramWait {
    kNone,    // returns at once
    kWait,    // the wizard is disabled until the program ends, then comes to the front
    kActive,  // the wizard is disabled until the program ends
};

class CLaunchHost {
public:
    virtual ~CLaunchHost() = default;

    // Starts the program (installer variables substituted, resolved against
    // the source directory) with the arguments; true when it started.
    virtual bool StartProgram(const std::string& program, const std::string& arguments,
                              ProgramWait wait) = 0;
    // Opens a file with its associated program, an address in the browser,
    // a folder window, or the manual through the opener program.
    virtual bool OpenDocument(const std::string& file) = 0;
    virtual bool OpenUrl(const std::string& address) = 0;
    virtual bool OpenBrowse(const std::string& folder) = 0;
    virtual bool OpenManual(const std::string& manual, const std::string& argument) = 0;
    // The test-page library's operations, with the system test page when
    // they do not print.
    virtual bool PrintTestPage(const std::string& printer, const std::string& param2,
                               const std::string& param3, const std::string& param4) = 0;
    virtual bool PrintMetaTestPage(const std::string& printer, const std::string& file) = 0;
    virtual bool PrintPrnTestPage(const std::string& printer, const std::string& file) = 0;
    // Runs the diagnosis library on the printer (empty: the default one).
    virtual bool Diagnosis(const std::string& printer) = 0;
    // Saves the remote install information and starts the remote install.
    virtual bool RunRemoteInstall() = 0;
};

}  // namespace setup
