// The call wrappers of CExtLibraries: one per operation, each with its log
// line and failure value. Arguments and answer buffers are prepared before
// the guarded call, so that nothing a fault would skip owns memory.
#include <cstring>

#include "ExtLibraries.h"
#include "NameList.h"
#include "foundation/Log.h"
#include "platform/FaultGuard.h"

using namespace setup;

namespace {

// A text buffer of the size a library may fill.
std::string AnswerBuffer() {
    return std::string(CExtLibraries::kTextSize, '\0');
}

// The text a library wrote, up to its NUL and never past the buffer.
std::string AnswerText(const std::string& buffer) {
    return buffer.substr(0, strnlen(buffer.data(), buffer.size() - 1));
}

}  // namespace

template <typename Fn>
Fn CExtLibraries::Find(ExtEntry entry) const {
    return reinterpret_cast<Fn>(m_entries[entry]);
}

int CExtLibraries::Missing(ExtEntry entry, int failure) const {
    LogWrite("Call %s ==> NULL", GetExtEntryName(entry));
    return failure;
}

template <typename Body>
bool CExtLibraries::Guarded(ExtEntry entry, Body&& call) const {
    if (platform::RunGuarded(call)) {
        return true;
    }
    LogWrite("Call %s() ==> GPF!!!!", GetExtEntryName(entry));
    return false;
}

template <typename Fn, typename Log, typename... Args>
bool CExtLibraries::Run(ExtEntry entry, int failure, int& result, Log&& log, Args... args) const {
    result = failure;
    const Fn fn = Find<Fn>(entry);
    if (fn == nullptr) {
        Missing(entry, failure);
        return false;
    }
    log();
    int answer = failure;
    if (!Guarded(entry, [&] { answer = fn(args...); })) {
        return false;
    }
    result = answer;
    return true;
}

template <typename Fn, typename Log, typename... Args>
int CExtLibraries::Call(ExtEntry entry, int failure, Log&& log, Args... args) const {
    int result = failure;
    Run<Fn>(entry, failure, result, log, args...);
    return result;
}

namespace {

// Entry types: every entry uses the standard calling convention, narrow
// texts and 32-bit numbers.
using TextFn = int(WINAPI*)(const char*);
using Text2Fn = int(WINAPI*)(const char*, const char*);
using Text4Fn = int(WINAPI*)(const char*, const char*, const char*, const char*);
using VoidFn = int(WINAPI*)();
using PortFn = int(WINAPI*)(const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, int);
using PortAdvFn = int(WINAPI*)(const char*, const char*, const char*, const char*, const char*,
                               const char*, const char*, int, const char*);

}  // namespace

// Utility library.

int CExtLibraries::GetDevicePort(const std::string& mfg, const std::string& mdl,
                                 const std::string& vidpid, std::vector<std::string>& ports,
                                 int& count) const {
    ports.clear();
    count = 0;
    std::string buffer = AnswerBuffer();
    int found = 0;
    int result = 0;
    if (Run<int(WINAPI*)(const char*, const char*, const char*, char*, int*)>(
            kGetDevicePort, 0, result,
            [&] {
                LogWrite("Call GetDevicePort(%s,%s,%s,lpPort,lpdwPortNum)", mfg.c_str(),
                         mdl.c_str(), vidpid.c_str());
            },
            mfg.c_str(), mdl.c_str(), vidpid.c_str(), &buffer[0], &found)) {
        count = found;
        if (found > 0) {
            ports = SplitNameList(buffer.data(), buffer.size(), static_cast<size_t>(found));
        }
    }
    return result;
}

int CExtLibraries::RemoveHardwareWizardDialog() const {
    return Call<VoidFn>(kRemoveHardwareWizardDialog, 0, [] {});
}

int CExtLibraries::MySetForegroundNHWdDialog() const {
    return Call<VoidFn>(kMySetForegroundNHWdDialog, 0, [] {});
}

int CExtLibraries::StartPreventPnP(const std::string& model) const {
    return Call<TextFn>(
        kStartPreventPnP, 0, [&] { LogWrite("Call StartPreventPnP(%s)", model.c_str()); },
        model.c_str());
}

int CExtLibraries::EndPreventPnP(const std::string& model) const {
    return Call<TextFn>(
        kEndPreventPnP, 0, [&] { LogWrite("Call EndPreventPnP(%s)", model.c_str()); },
        model.c_str());
}

int CExtLibraries::SystemRefresh(const std::string& model, const std::string& vidpid) const {
    return Call<Text2Fn>(
        kSystemRefresh, 0,
        [&] { LogWrite("Call SystemRefresh(%s,%s)", model.c_str(), vidpid.c_str()); },
        model.c_str(), vidpid.c_str());
}

int CExtLibraries::RemoveUnknownDev(const std::string& model, const std::string& vidpid) const {
    return Call<Text2Fn>(
        kRemoveUnknownDev, 0,
        [&] { LogWrite("Call RemoveUnknownDev(%s,%s)", model.c_str(), vidpid.c_str()); },
        model.c_str(), vidpid.c_str());
}

int CExtLibraries::MyGetDeviceIDFromPort(const std::string& port, std::string& deviceId) const {
    deviceId.clear();
    std::string buffer = AnswerBuffer();
    int result = 0;
    if (Run<int(WINAPI*)(const char*, char*)>(
            kMyGetDeviceIDFromPort, 0, result, [] { LogWrite("Call MyGetDeviceIDFromPort"); },
            port.c_str(), &buffer[0])) {
        deviceId = AnswerText(buffer);
    }
    return result;
}

int CExtLibraries::SaveFile(const std::string& file, const std::string& key, int flags) const {
    return Call<int(WINAPI*)(const char*, const char*, int)>(
        kSaveFile, 0,
        [&] { LogWrite("Call SaveFile(%s,%s,%d)", file.c_str(), key.c_str(), flags); },
        file.c_str(), key.c_str(), flags);
}

int CExtLibraries::GetDiskFreeSpacePS(const std::string& path) const {
    return Call<TextFn>(
        kGetDiskFreeSpacePS, 0, [&] { LogWrite("Call GetDiskFreeSpacePS(%s)", path.c_str()); },
        path.c_str());
}

// Installer library.

int CExtLibraries::MyInstall(int mode, const std::string& installingKey, const std::string& itemKey,
                             int installed) const {
    return Call<int(WINAPI*)(int, const char*, const char*, int)>(
        kMyInstall, 0,
        [&] {
            LogWrite("Call MyInstall(%d,%s,%s,%d)", mode, installingKey.c_str(), itemKey.c_str(),
                     installed);
        },
        mode, installingKey.c_str(), itemKey.c_str(), installed);
}

int CExtLibraries::MyCreateShortCut(int mode, const std::string& installingKey,
                                    const std::string& shortcutKey) const {
    return Call<int(WINAPI*)(int, const char*, const char*)>(
        kMyCreateShortCut, 0,
        [&] {
            LogWrite("Call MyCreateShortCut(%d,%s,%s)", mode, installingKey.c_str(),
                     shortcutKey.c_str());
        },
        mode, installingKey.c_str(), shortcutKey.c_str());
}

// Test page library.

int CExtLibraries::PrintTestPage(const std::string& printer, const std::string& param2,
                                 const std::string& param3, const std::string& resourcePath,
                                 const std::string& param4) const {
    return Call<int(WINAPI*)(const char*, const char*, const char*, const char*, const char*)>(
        kPrintTestPage, -1,
        [&] {
            LogWrite("Call PrintTestPage(%s,%s,%s,%s,%s)", printer.c_str(), param2.c_str(),
                     param3.c_str(), resourcePath.c_str(), param4.c_str());
        },
        printer.c_str(), param2.c_str(), param3.c_str(), resourcePath.c_str(), param4.c_str());
}

int CExtLibraries::MetaTestPage(const std::string& printer, const std::string& file) const {
    return Call<Text2Fn>(
        kMetaTestPage, -1,
        [&] { LogWrite("Call MetaTestPage(%s,%s)", printer.c_str(), file.c_str()); },
        printer.c_str(), file.c_str());
}

int CExtLibraries::PrintPrnFile(const std::string& printer, const std::string& file) const {
    return Call<Text2Fn>(
        kPrintPrnFile, 1,
        [&] { LogWrite("Call PrintPrnFile(%s,%s)", printer.c_str(), file.c_str()); },
        printer.c_str(), file.c_str());
}

// Diagnosis library.

int CExtLibraries::Diagnosis(const std::string& mfg, const std::string& printer,
                             const std::string& mdl, const std::string& vidpid) const {
    return Call<Text4Fn>(
        kDiagnosis, 1,
        [&] {
            LogWrite("Call Diagnosis(%s,%s,%s,%s)", mfg.c_str(), printer.c_str(), mdl.c_str(),
                     vidpid.c_str());
        },
        mfg.c_str(), printer.c_str(), mdl.c_str(), vidpid.c_str());
}

int CExtLibraries::DiagnosisEx(const std::string& mfg, const std::string& printer,
                               const std::string& mdl, const std::string& vidpid, int flags) const {
    return Call<int(WINAPI*)(const char*, const char*, const char*, const char*, int)>(
        kDiagnosisEx, 1,
        [&] {
            LogWrite("Call DiagnosisEx(%s,%s,%s,%s,%d)", mfg.c_str(), printer.c_str(), mdl.c_str(),
                     vidpid.c_str(), flags);
        },
        mfg.c_str(), printer.c_str(), mdl.c_str(), vidpid.c_str(), flags);
}

// Network library.

int CExtLibraries::MyGetPrinterDesc(const std::string& address, std::string& description,
                                    int flags) const {
    description.clear();
    std::string buffer = AnswerBuffer();
    int result = 4096;
    if (Run<int(WINAPI*)(const char*, char*, int)>(
            kMyGetPrinterDesc, 4096, result,
            [&] { LogWrite("Call MyGetPrinterDesc(%s)", address.c_str()); }, address.c_str(),
            &buffer[0], flags)) {
        description = AnswerText(buffer);
    }
    return result;
}

int CExtLibraries::MyGetPrinterDescAdv(const std::string& address, std::string& description,
                                       int usePublicOid, const std::string& community) const {
    if (m_entries[kMyGetPrinterDescAdv] == nullptr) {
        Missing(kMyGetPrinterDescAdv, 1);
        return MyGetPrinterDesc(address, description, usePublicOid);
    }
    description.clear();
    std::string buffer = AnswerBuffer();
    int result = 1;
    if (Run<int(WINAPI*)(const char*, char*, int, const char*)>(
            kMyGetPrinterDescAdv, 1, result, [] { LogWrite("Call MyGetPrinterDescAdv"); },
            address.c_str(), &buffer[0], usePublicOid, community.c_str())) {
        description = AnswerText(buffer);
    }
    return result;
}

int CExtLibraries::MyGetIPX(const std::string& address, std::string& ipx) const {
    ipx.clear();
    std::string buffer = AnswerBuffer();
    int result = 0;
    if (Run<int(WINAPI*)(const char*, char*)>(
            kMyGetIPX, 0, result, [&] { LogWrite("Call MyGetIPX(%s)", address.c_str()); },
            address.c_str(), &buffer[0])) {
        ipx = AnswerText(buffer);
    }
    return result;
}

// A fault gives 0, "not found": the library's answer buffer is not to be
// trusted then.
int CExtLibraries::MyGetIPXAdv(const std::string& address, std::string& ipx,
                               const std::string& community) const {
    if (m_entries[kMyGetIPXAdv] == nullptr) {
        Missing(kMyGetIPXAdv, 0);
        return MyGetIPX(address, ipx);
    }
    ipx.clear();
    std::string buffer = AnswerBuffer();
    int result = 0;
    if (Run<int(WINAPI*)(const char*, char*, const char*)>(
            kMyGetIPXAdv, 0, result, [] { LogWrite("Call MyGetIPXAdv"); }, address.c_str(),
            &buffer[0], community.c_str())) {
        ipx = AnswerText(buffer);
    }
    return result;
}

int CExtLibraries::MySetNetworkPortEx(const NETWORK_PORT_INFO& port) const {
    return Call<PortFn>(
        kMySetNetworkPortEx, 0,
        [&] {
            LogWrite("Call MySetNetworkPortEx(%s,%s,%s,%s,%s,%s,%s,%d)", port.port.c_str(),
                     port.address.c_str(), port.extra.c_str(), port.ipx.c_str(),
                     port.monitorName.c_str(), port.monitorFile.c_str(), port.mutexName.c_str(),
                     port.noMonitor);
        },
        port.port.c_str(), port.address.c_str(), port.extra.c_str(), port.ipx.c_str(),
        port.monitorName.c_str(), port.monitorFile.c_str(), port.mutexName.c_str(), port.noMonitor);
}

int CExtLibraries::MySetNetworkPortAdv(const NETWORK_PORT_INFO& port,
                                       const std::string& community) const {
    if (m_entries[kMySetNetworkPortAdv] == nullptr) {
        Missing(kMySetNetworkPortAdv, 0);
        return MySetNetworkPortEx(port);
    }
    return Call<PortAdvFn>(
        kMySetNetworkPortAdv, 0, [] { LogWrite("Call MySetNetworkPortAdv"); }, port.port.c_str(),
        port.address.c_str(), port.extra.c_str(), port.ipx.c_str(), port.monitorName.c_str(),
        port.monitorFile.c_str(), port.mutexName.c_str(), port.noMonitor, community.c_str());
}

int CExtLibraries::MyDelNetworkPort(const std::string& port, const std::string& mutexName,
                                    int noMonitor) const {
    return Call<int(WINAPI*)(const char*, const char*, int)>(
        kMyDelNetworkPort, 0,
        [&] {
            LogWrite("Call MyDelNetworkPort(%s,%s,%d)", port.c_str(), mutexName.c_str(), noMonitor);
        },
        port.c_str(), mutexName.c_str(), noMonitor);
}

int CExtLibraries::SnmpDiscovery(SnmpCallback callback) const {
    if (m_entries[kSnmpDiscovery] == nullptr) {
        LogWrite("Call SnmpDisvoery ==> NULL");
        return 0;
    }
    return Call<int(WINAPI*)(SnmpCallback)>(
        kSnmpDiscovery, 0, [] { LogWrite("Call SnmpDiscovery()"); }, callback);
}

int CExtLibraries::SnmpDiscoveryAdv(SnmpCallback callback, const std::string& community) const {
    if (m_entries[kSnmpDiscoveryAdv] == nullptr) {
        Missing(kSnmpDiscoveryAdv, 1);
        return SnmpDiscovery(callback);
    }
    return Call<int(WINAPI*)(SnmpCallback, const char*)>(
        kSnmpDiscoveryAdv, 1, [] { LogWrite("Call SnmpDiscoveryAdv"); }, callback,
        community.c_str());
}

// Pre-installer library.

int CExtLibraries::Preinstall(const std::string& command, HWND owner) const {
    return Call<int(WINAPI*)(const char*, HWND)>(
        kPreinstall, -1,
        [&] {
            LogWrite("Call Preinstall(%s,%d)", command.c_str(),
                     static_cast<int>(reinterpret_cast<INT_PTR>(owner)));
        },
        command.c_str(), owner);
}

// Set-IP library.

int CExtLibraries::SetIP(const std::string& address, const std::string& gateway,
                         const std::string& mask, const std::string& mac) const {
    return Call<Text4Fn>(
        kSetIP, 1,
        [&] {
            LogWrite("Call SetIP(%s,%s,%s,%s)", address.c_str(), gateway.c_str(), mask.c_str(),
                     mac.c_str());
        },
        address.c_str(), gateway.c_str(), mask.c_str(), mac.c_str());
}

int CExtLibraries::GetNetPrinter(BYTE* list, DWORD& size, DWORD& count) const {
    DWORD answeredSize = size;
    DWORD answeredCount = 0;
    int result = 1;
    if (Run<int(WINAPI*)(BYTE*, DWORD*, DWORD*)>(
            kGetNetPrinter, 1, result, [] { LogWrite("Call GetNetPrinter"); }, list, &answeredSize,
            &answeredCount)) {
        size = answeredSize;
        count = answeredCount;
    } else {
        count = 0;
    }
    return result;
}

// Remote install library. The block holds the password: only the computer's
// name goes to the log.
int CExtLibraries::DoRemoteInstall(REMOTE_INSTALL_BLOCK& block) const {
    return Call<int(WINAPI*)(REMOTE_INSTALL_BLOCK*)>(
        kDoRemoteInstall, 0, [&] { LogWrite("Call DoRemoteInstall(%.255s)", block.computer); },
        &block);
}
