// Hosts that record what the executor asks of them, one text per call, and
// answer as the test sets them up.
#pragma once

#include <string>
#include <vector>

#include "commands/CommandHost.h"
#include "commands/ItemsHost.h"
#include "commands/LaunchHost.h"
#include "commands/NetworkHost.h"

namespace commands_test {

class CallLog {
public:
    std::vector<std::string> calls;

protected:
    bool Record(const std::string& call, bool result) {
        calls.push_back(call);
        return result;
    }
};

class FakeWizard : public setup::CCommandHost, public CallLog {
public:
    bool OpenPage(const std::string& page, bool back) override {
        return Record((back ? "back:" : "open:") + page, result);
    }
    bool ConfirmCancel() override { return Record("confirm", confirm); }
    bool DoModal(const std::string& page) override { return Record("modal:" + page, result); }
    bool ShowToggle(const std::string& objects) override {
        return Record("toggle:" + objects, result);
    }
    void ShowMessage(const std::string& text) override { Record("message:" + text, true); }

    bool result = true;
    bool confirm = true;
};

class FakeItems : public setup::CItemsHost, public CallLog {
public:
    bool MoveInstallingHistory() override { return Record("move history", true); }
    bool IsAnyItemInstalled() override { return Record("installed?", installed); }
    bool RemoveUninstallInfo() override { return Record("remove uninstall info", true); }
    int CountInstallableItems() override {
        Record("count", true);
        return count;
    }
    bool WriteItemInfo() override { return Record("write item info", result); }
    bool InstallUpdate() override { return Record("install update", result); }
    bool DeleteAll() override { return Record("delete all", result); }
    bool CopyFiles(const std::string& section) override {
        return Record("copy:" + section, result);
    }
    bool DeleteFiles(const std::string& section) override {
        return Record("delete:" + section, result);
    }

    bool installed = false;
    int count = 2;
    bool result = true;
};

class FakeLauncher : public setup::CLaunchHost, public CallLog {
public:
    bool StartProgram(const std::string& program, const std::string& arguments,
                      setup::ProgramWait wait) override {
        const char* mode = wait == setup::ProgramWait::kWait     ? "wait"
                           : wait == setup::ProgramWait::kActive ? "active"
                                                                 : "nowait";
        return Record(std::string("start ") + mode + ":" + program + "|" + arguments, started);
    }
    bool OpenDocument(const std::string& file) override { return Record("file:" + file, result); }
    bool OpenUrl(const std::string& address) override { return Record("url:" + address, result); }
    bool OpenBrowse(const std::string& folder) override {
        return Record("browse:" + folder, result);
    }
    bool OpenManual(const std::string& manual, const std::string& argument) override {
        return Record("manual:" + manual + "|" + argument, result);
    }
    bool PrintTestPage(const std::string& printer, const std::string& p2, const std::string& p3,
                       const std::string& p4) override {
        return Record("test page:" + printer + "|" + p2 + "|" + p3 + "|" + p4, result);
    }
    bool PrintMetaTestPage(const std::string& printer, const std::string& file) override {
        return Record("meta page:" + printer + "|" + file, result);
    }
    bool PrintPrnTestPage(const std::string& printer, const std::string& file) override {
        return Record("prn page:" + printer + "|" + file, result);
    }
    bool Diagnosis(const std::string& printer) override {
        return Record("diagnosis:" + printer, result);
    }
    bool RunRemoteInstall() override { return Record("remote install", result); }

    bool started = true;
    bool result = true;
};

class FakeNetwork : public setup::CNetworkHost, public CallLog {
public:
    bool RemoveRecordedPorts() override { return Record("remove ports", true); }
};

}  // namespace commands_test
