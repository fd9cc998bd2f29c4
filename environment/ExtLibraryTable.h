// The package's extension libraries: the data-file key that names each one,
// its default path, how a failed load is reported, and the entries resolved
// from it by name. Libraries are loaded in the order of the table.
#pragma once

#include <cstddef>

namespace setup {

enum ExtLibrary : int {
    kInstallerLibrary,
    kUtilityLibrary,
    kRemoteInstallLibrary,
    kDiagnosisLibrary,
    kTestPageLibrary,
    kNetworkLibrary,
    kResourceLibrary,
    kUninstallerProgram,
    kOpenerProgram,
    kPreInstallerLibrary,
    kSetIPLibrary,
    kExtLibraryCount
};

// Every entry resolved, grouped by library in table order.
enum ExtEntry : int {
    // Installer library
    kMyInstall,
    kMyCreateShortCut,
    // Utility library
    kGetDevicePort,
    kStartPreventPnP,
    kEndPreventPnP,
    kRemoveHardwareWizardDialog,
    kMySetForegroundNHWdDialog,
    kSystemRefresh,
    kSaveFile,
    kRemoveUnknownDev,
    kSystemRefreshOnly,
    kGetDiskFreeSpacePS,
    kMyGetDeviceIDFromPort,
    // Remote install library
    kDoRemoteInstall,
    kCheckRemoteAdmin,
    kCheckLogonUser,
    // Diagnosis library
    kDiagnosis,
    kDiagnosisEx,
    // Test page library
    kPrintTestPage,
    kMetaTestPage,
    kPrintPrnFile,
    // Network library
    kGetNetworkPrinter,
    kMySetNetworkPort,
    kMySetNetworkPortEx,
    kMyDelNetworkPort,
    kMyDelNetworkMonitor,
    kMyVerifyPrinter,
    kMyGetPrinterDesc,
    kMyGetIPX,
    kSnmpDiscovery,
    kSnmpDiscoveryAdv,
    kGetNetworkPrinterAdv,
    kMySetNetworkPortAdv,
    kMyVerifyPrinterAdv,
    kMyGetPrinterDescAdv,
    kMyGetIPXAdv,
    // Pre-installer library
    kPreinstall,
    // Set-IP library
    kSetIP,
    kVerifyNetworkPrinter,
    kGetNetPrinter,
    kExtEntryCount
};

// How a library is used once its path is known.
enum class ExtLibraryUse {
    kLoad,          // loaded; a failure logs "<failedLoad> (<path>)"
    kNetwork,       // loaded and its path kept; an empty path has its own line
    kResource,      // loaded; its path is kept whatever happens
    kPreInstaller,  // loaded; a failure logs the path alone
    kPathOnly,      // a program: only its path is kept
};

struct ExtLibraryInfo {
    const char* key;
    // Before the default path: this key of the file information section,
    // when given.
    const char* defaultKey;
    const char* defaultPath;
    // The text before " (<path>)" of the failed-load line; null when the
    // library's use reports differently.
    const char* failedLoad;
    ExtLibraryUse use;
    // The library's entries: [firstEntry, endEntry).
    ExtEntry firstEntry;
    ExtEntry endEntry;
};

const ExtLibraryInfo& GetExtLibraryInfo(ExtLibrary library);
// The entry's exported name.
const char* GetExtEntryName(ExtEntry entry);

}  // namespace setup
