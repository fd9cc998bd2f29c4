#include "ExtLibraryTable.h"

namespace setup {

namespace {

constexpr ExtLibraryInfo kLibraries[kExtLibraryCount] = {
    {"INSTALLER_DLL", nullptr, ".\\data\\Psrun.dll", "Load installer DLL fail",
     ExtLibraryUse::kLoad, kMyInstall, kGetDevicePort},
    {"UTILITY_DLL", nullptr, ".\\data\\Psutil.dll", "Load Utility DLL fail", ExtLibraryUse::kLoad,
     kGetDevicePort, kDoRemoteInstall},
    {"REMOTE_INSTALL_DLL", nullptr, ".\\data\\Psrmtint.dll", "Load Remote DLL fail",
     ExtLibraryUse::kLoad, kDoRemoteInstall, kDiagnosis},
    {"DIAGNOSIS_DLL", nullptr, ".\\data\\Psdiag.dll", "Load Diagnosis DLL fail",
     ExtLibraryUse::kLoad, kDiagnosis, kPrintTestPage},
    {"TESTPAGE_DLL", "DIAGNOSIS_DLL", ".\\data\\Psdiag.dll", "Load TestPage DLL fail",
     ExtLibraryUse::kLoad, kPrintTestPage, kGetNetworkPrinter},
    {"NETWORKMAN_DLL", nullptr, ".\\data\\PsNetMan.dll", "Load Netmanager DLL fail",
     ExtLibraryUse::kNetwork, kGetNetworkPrinter, kPreinstall},
    {"RESOURCE_DLL", nullptr, ".\\PSres.dll", "Load Resource DLL fail", ExtLibraryUse::kResource,
     kPreinstall, kPreinstall},
    {"UNINSTALLER_EXE", nullptr, ".\\data\\ZOZizEzu.exe", nullptr, ExtLibraryUse::kPathOnly,
     kPreinstall, kPreinstall},
    {"PSOPEN_EXE", nullptr, ".\\data\\Psopen.exe", nullptr, ExtLibraryUse::kPathOnly, kPreinstall,
     kPreinstall},
    {"PREINSTALLER_DLL", nullptr, ".\\data\\PSpre.dll", nullptr, ExtLibraryUse::kPreInstaller,
     kPreinstall, kSetIP},
    {"SETIP_DLL", nullptr, ".\\data\\Setip.dll", "Load SetIP DLL fail", ExtLibraryUse::kLoad,
     kSetIP, kExtEntryCount},
};

constexpr const char* kEntryNames[kExtEntryCount] = {
    "MyInstall",
    "MyCreateShortCut",
    "GetDevicePort",
    "StartPreventPnP",
    "EndPreventPnP",
    "RemoveHardwareWizardDialog",
    "MySetForegroundNHWdDialog",
    "SystemRefresh",
    "SaveFile",
    "RemoveUnknownDev",
    "SystemRefreshOnly",
    "GetDiskFreeSpacePS",
    "MyGetDeviceIDFromPort",
    "DoRemoteInstall",
    "CheckRemoteAdmin",
    "CheckLogonUser",
    "Diagnosis",
    "DiagnosisEx",
    "PrintTestPage",
    "MetaTestPage",
    "PrintPrnFile",
    "GetNetworkPrinter",
    "MySetNetworkPort",
    "MySetNetworkPortEx",
    "MyDelNetworkPort",
    "MyDelNetworkMonitor",
    "MyVerifyPrinter",
    "MyGetPrinterDesc",
    "MyGetIPX",
    "SnmpDiscovery",
    "SnmpDiscoveryAdv",
    "GetNetworkPrinterAdv",
    "MySetNetworkPortAdv",
    "MyVerifyPrinterAdv",
    "MyGetPrinterDescAdv",
    "MyGetIPXAdv",
    "Preinstall",
    "SetIP",
    "VerifyNetworkPrinter",
    "GetNetPrinter",
};

}  // namespace

const ExtLibraryInfo& GetExtLibraryInfo(ExtLibrary library) {
    return kLibraries[library];
}

const char* GetExtEntryName(ExtEntry entry) {
    return kEntryNames[entry];
}

}  // namespace setup
