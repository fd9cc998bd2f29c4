// The package's extension libraries: device, spooler and network work done
// by separate libraries in the package's data directory. Each library is
// found through the data file, loaded once by its full path, and its entries
// resolved by name. Every operation has one wrapper that logs the call and
// survives a missing library or entry and a fault inside the library: it
// then logs "Call <entry> ==> NULL" or "Call <entry>() ==> GPF!!!!" and
// returns the operation's failure value, so that a broken or absent library
// never ends the installer.
//
// Wrappers may be called from any thread once Load has run; they change
// nothing here. Out parameters are cleared (texts empty, counts 0) when the
// entry is missing or faults: what a faulting library left there is not used.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "ExtLibraryTable.h"
#include "platform/Handle.h"

class CInstallEnv;

// The block DoRemoteInstall receives: eight texts of 256 bytes.
struct REMOTE_INSTALL_BLOCK {
    char computer[256];
    char reserved[256];
    char user[256];
    char password[256];
    char domain[256];
    char sourceDir[256];
    char registryFile[256];
    char commandLine[256];
};

// The TCP/IP port MySetNetworkPortEx and MySetNetworkPortAdv create.
struct NETWORK_PORT_INFO {
    std::string port;
    std::string address;
    std::string extra;
    std::string ipx;
    std::string monitorName;
    std::string monitorFile;
    std::string mutexName;
    int noMonitor = 0;
};

class CExtLibraries {
public:
    // Room given to a library for each text it answers with.
    static constexpr size_t kTextSize = 16384;

    // Called by the network library once per printer found: name, device
    // id, MAC, IPv4 and IPv6 address. It must not throw.
    using SnmpCallback = int(WINAPI*)(const char* name, const char* deviceId, const char* mac,
                                      const char* ipv4, const char* ipv6);

    CExtLibraries() = default;
    CExtLibraries(const CExtLibraries&) = delete;
    CExtLibraries& operator=(const CExtLibraries&) = delete;
    // Releases every library loaded.
    ~CExtLibraries() = default;

    // Loads every library named in the most specific variant of section (or
    // in the file information section, or by default) of env's data file,
    // and resolves every entry. A library that cannot be found or loaded is
    // logged and leaves its entries missing. Always true.
    bool Load(CInstallEnv& env, const std::string& section);

    const std::string& GetNetworkLibraryPath() const { return m_networkPath; }
    const std::string& GetUninstallerPath() const { return m_uninstallerPath; }
    const std::string& GetOpenerPath() const { return m_openerPath; }
    const std::string& GetResourceLibraryPath() const { return m_resourcePath; }
    // Null when the resource library is not loaded.
    HMODULE GetResourceModule() const { return m_modules[setup::kResourceLibrary].get(); }
    // True when the entry of that exact name was resolved.
    bool HasEntry(const std::string& name) const;

    // Utility library. Failure value 0 unless noted.
    // The ports of connected devices of the model (at most count names) and
    // the library's count: 1 or more found, -1 USB not available.
    int GetDevicePort(const std::string& mfg, const std::string& mdl, const std::string& vidpid,
                      std::vector<std::string>& ports, int& count) const;
    int RemoveHardwareWizardDialog() const;
    int MySetForegroundNHWdDialog() const;
    int StartPreventPnP(const std::string& model) const;
    int EndPreventPnP(const std::string& model) const;
    int SystemRefresh(const std::string& model, const std::string& vidpid) const;
    int RemoveUnknownDev(const std::string& model, const std::string& vidpid) const;
    int MyGetDeviceIDFromPort(const std::string& port, std::string& deviceId) const;
    int SaveFile(const std::string& file, const std::string& key, int flags) const;
    int GetDiskFreeSpacePS(const std::string& path) const;

    // Installer library. Failure value 0.
    int MyInstall(int mode, const std::string& installingKey, const std::string& itemKey,
                  int installed) const;
    int MyCreateShortCut(int mode, const std::string& installingKey,
                         const std::string& shortcutKey) const;

    // Test page library: failure -1 (PrintPrnFile: 1).
    int PrintTestPage(const std::string& printer, const std::string& param2,
                      const std::string& param3, const std::string& resourcePath,
                      const std::string& param4) const;
    int MetaTestPage(const std::string& printer, const std::string& file) const;
    int PrintPrnFile(const std::string& printer, const std::string& file) const;

    // Diagnosis library. Failure value 1.
    int Diagnosis(const std::string& mfg, const std::string& printer, const std::string& mdl,
                  const std::string& vidpid) const;
    int DiagnosisEx(const std::string& mfg, const std::string& printer, const std::string& mdl,
                    const std::string& vidpid, int flags) const;

    // Network library. The Adv forms fall back to the plain ones when their
    // own entry is missing. Failure values: MyGetPrinterDesc 4096 and its
    // Adv form 1 (0 means read); MyGetIPX and its Adv form 0 (non-zero means
    // found); the port operations and SnmpDiscovery 0; SnmpDiscoveryAdv 1.
    // Descriptions and IPX texts are read into kTextSize bytes.
    int MyGetPrinterDesc(const std::string& address, std::string& description, int flags) const;
    int MyGetPrinterDescAdv(const std::string& address, std::string& description, int usePublicOid,
                            const std::string& community) const;
    int MyGetIPX(const std::string& address, std::string& ipx) const;
    int MyGetIPXAdv(const std::string& address, std::string& ipx,
                    const std::string& community) const;
    int MySetNetworkPortEx(const NETWORK_PORT_INFO& port) const;
    int MySetNetworkPortAdv(const NETWORK_PORT_INFO& port, const std::string& community) const;
    int MyDelNetworkPort(const std::string& port, const std::string& mutexName,
                         int noMonitor) const;
    int SnmpDiscovery(SnmpCallback callback) const;
    int SnmpDiscoveryAdv(SnmpCallback callback, const std::string& community) const;

    // Pre-installer library. Failure value -1.
    int Preinstall(const std::string& command, HWND owner) const;

    // Set-IP library. Failure value 1.
    int SetIP(const std::string& address, const std::string& gateway, const std::string& mask,
              const std::string& mac) const;
    // list may be null to ask for the size; size in and out; count out.
    int GetNetPrinter(BYTE* list, DWORD& size, DWORD& count) const;

    // Remote install library. Failure value 0.
    int DoRemoteInstall(REMOTE_INSTALL_BLOCK& block) const;

private:
    void Reset();
    std::string ConfiguredPath(CInstallEnv& env, const std::string& variant,
                               const setup::ExtLibraryInfo& info) const;
    void LoadLibraryAt(setup::ExtLibrary library, const std::string& path);
    void ResolveEntries();

    // The entry as its function type; null when missing.
    template <typename Fn>
    Fn Find(setup::ExtEntry entry) const;
    // Logs the missing-entry line and gives the failure value.
    int Missing(setup::ExtEntry entry, int failure) const;
    // Runs call() under the fault guard; false after the fault line.
    template <typename Body>
    bool Guarded(setup::ExtEntry entry, Body&& call) const;
    // The missing line, or log() and the guarded call with args. False,
    // with result = failure, when the entry is missing or faulted.
    template <typename Fn, typename Log, typename... Args>
    bool Run(setup::ExtEntry entry, int failure, int& result, Log&& log, Args... args) const;
    // Run for an entry without out parameters: its result or failure.
    template <typename Fn, typename Log, typename... Args>
    int Call(setup::ExtEntry entry, int failure, Log&& log, Args... args) const;

    std::array<platform::UniqueModule, setup::kExtLibraryCount> m_modules;
    std::array<void*, setup::kExtEntryCount> m_entries{};
    std::string m_networkPath;
    std::string m_uninstallerPath;
    std::string m_openerPath;
    std::string m_resourcePath;
};
