#include "tests/environment/ExtWrapperCases.h"

namespace ext_test {

int WINAPI CountPrinter(const char*, const char*, const char*, const char*, const char*) {
    return 1;
}

std::vector<WrapperCase> WrapperCases() {
    NETWORK_PORT_INFO port;
    port.port = "IP_192.0.2.10";
    port.address = "192.0.2.10";
    port.extra = "x";
    port.ipx = "ipx";
    port.monitorName = "Mon";
    port.monitorFile = "mon.dll";
    port.mutexName = "Mutex";
    port.noMonitor = 1;
    const std::string portText = "IP_192.0.2.10,192.0.2.10,x,ipx,Mon,mon.dll,Mutex,1";
    return {
        {"GetDevicePort", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string& answer) {
             std::vector<std::string> ports;
             int count = 99;
             const int result = l.GetDevicePort("Mfg", "Mdl", "Vid", ports, count);
             answer = std::to_string(count);
             for (const std::string& name : ports) {
                 answer += " " + name;
             }
             return result;
         },
         "Call GetDevicePort(Mfg,Mdl,Vid,lpPort,lpdwPortNum)", "GetDevicePort(Mfg,Mdl,Vid)", 1,
         "2 USB001 LPT2:", 0, 0, "Call GetDevicePort ==> NULL", "0"},
        {"RemoveHardwareWizardDialog", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.RemoveHardwareWizardDialog(); }, "",
         "RemoveHardwareWizardDialog()", 11, "", 0, 0, "Call RemoveHardwareWizardDialog ==> NULL"},
        {"MySetForegroundNHWdDialog", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.MySetForegroundNHWdDialog(); }, "",
         "MySetForegroundNHWdDialog()", 12, "", 0, 0, "Call MySetForegroundNHWdDialog ==> NULL"},
        {"StartPreventPnP", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.StartPreventPnP("MfgMdl"); },
         "Call StartPreventPnP(MfgMdl)", "StartPreventPnP(MfgMdl)", 21, "", 0, 0,
         "Call StartPreventPnP ==> NULL"},
        {"EndPreventPnP", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.EndPreventPnP("MfgMdl"); },
         "Call EndPreventPnP(MfgMdl)", "EndPreventPnP(MfgMdl)", 22, "", 0, 0,
         "Call EndPreventPnP ==> NULL"},
        {"SystemRefresh", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.SystemRefresh("MfgMdl", "Vid"); },
         "Call SystemRefresh(MfgMdl,Vid)", "SystemRefresh(MfgMdl,Vid)", 23, "", 0, 0,
         "Call SystemRefresh ==> NULL"},
        {"RemoveUnknownDev", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.RemoveUnknownDev("MfgMdl", "Vid"); },
         "Call RemoveUnknownDev(MfgMdl,Vid)", "RemoveUnknownDev(MfgMdl,Vid)", 24, "", 0, 0,
         "Call RemoveUnknownDev ==> NULL"},
        {"MyGetDeviceIDFromPort", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string& answer) {
             return l.MyGetDeviceIDFromPort("USB001", answer);
         },
         "Call MyGetDeviceIDFromPort", "MyGetDeviceIDFromPort(USB001)", 25,
         "MFG:Ruzuvav;MDL:XR-470;PORT:USB001;", 0, 0, "Call MyGetDeviceIDFromPort ==> NULL", ""},
        {"SaveFile", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.SaveFile("C:\\t\\RtReg.reg", "Software\\K", 0);
         },
         "Call SaveFile(C:\\t\\RtReg.reg,Software\\K,0)",
         "SaveFile(C:\\t\\RtReg.reg,Software\\K,0)", 26, "", 0, 0, "Call SaveFile ==> NULL"},
        {"GetDiskFreeSpacePS", "data\\Psutil.dll",
         [](const CExtLibraries& l, std::string&) { return l.GetDiskFreeSpacePS(""); },
         "Call GetDiskFreeSpacePS()", "GetDiskFreeSpacePS()", 500, "", 0, 0,
         "Call GetDiskFreeSpacePS ==> NULL"},
        {"MyInstall", "data\\Psrun.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.MyInstall(0, "Software\\I", "Software\\I\\Items\\A", 1);
         },
         "Call MyInstall(0,Software\\I,Software\\I\\Items\\A,1)",
         "MyInstall(0,Software\\I,Software\\I\\Items\\A,1)", 31, "", 0, 0,
         "Call MyInstall ==> NULL"},
        {"MyCreateShortCut", "data\\Psrun.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.MyCreateShortCut(0, "Software\\I", "Software\\I\\Shortcut\\S");
         },
         "Call MyCreateShortCut(0,Software\\I,Software\\I\\Shortcut\\S)",
         "MyCreateShortCut(0,Software\\I,Software\\I\\Shortcut\\S)", 32, "", 0, 0,
         "Call MyCreateShortCut ==> NULL"},
        {"PrintTestPage", "data\\Psdiag.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.PrintTestPage("P", "two", "three", "res.dll", "four");
         },
         "Call PrintTestPage(P,two,three,res.dll,four)", "PrintTestPage(P,two,three,res.dll,four)",
         41, "", -1, -1, "Call PrintTestPage ==> NULL"},
        {"MetaTestPage", "data\\Psdiag.dll",
         [](const CExtLibraries& l, std::string&) { return l.MetaTestPage("P", "m.emf"); },
         "Call MetaTestPage(P,m.emf)", "MetaTestPage(P,m.emf)", 42, "", -1, -1,
         "Call MetaTestPage ==> NULL"},
        {"PrintPrnFile", "data\\Psdiag.dll",
         [](const CExtLibraries& l, std::string&) { return l.PrintPrnFile("P", "f.prn"); },
         "Call PrintPrnFile(P,f.prn)", "PrintPrnFile(P,f.prn)", 43, "", 1, 1,
         "Call PrintPrnFile ==> NULL"},
        {"Diagnosis", "data\\Psdiag.dll",
         [](const CExtLibraries& l, std::string&) { return l.Diagnosis("M", "P", "D", "V"); },
         "Call Diagnosis(M,P,D,V)", "Diagnosis(M,P,D,V)", 51, "", 1, 1, "Call Diagnosis ==> NULL"},
        {"DiagnosisEx", "data\\Psdiag.dll",
         [](const CExtLibraries& l, std::string&) { return l.DiagnosisEx("M", "P", "D", "V", 0); },
         "Call DiagnosisEx(M,P,D,V,0)", "DiagnosisEx(M,P,D,V,0)", 52, "", 1, 1,
         "Call DiagnosisEx ==> NULL"},
        {"MyGetPrinterDesc", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string& answer) {
             return l.MyGetPrinterDesc("192.0.2.10", answer, 0);
         },
         "Call MyGetPrinterDesc(192.0.2.10)", "MyGetPrinterDesc(192.0.2.10,0)", 0,
         "DESC 192.0.2.10 0", 4096, 4096, "Call MyGetPrinterDesc ==> NULL", ""},
        {"MyGetPrinterDescAdv", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string& answer) {
             return l.MyGetPrinterDescAdv("192.0.2.10", answer, 1, "public");
         },
         "Call MyGetPrinterDescAdv", "MyGetPrinterDescAdv(192.0.2.10,1,public)", 0,
         "ADV 192.0.2.10 1 public", 1, 4096,
         "Call MyGetPrinterDescAdv ==> NULL|Call MyGetPrinterDesc ==> NULL", ""},
        {"MyGetIPX", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string& answer) {
             return l.MyGetIPX("192.0.2.10", answer);
         },
         "Call MyGetIPX(192.0.2.10)", "MyGetIPX(192.0.2.10)", 61, "IPX 192.0.2.10", 0, 0,
         "Call MyGetIPX ==> NULL", ""},
        {"MyGetIPXAdv", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string& answer) {
             return l.MyGetIPXAdv("192.0.2.10", answer, "public");
         },
         "Call MyGetIPXAdv", "MyGetIPXAdv(192.0.2.10,public)", 62, "IPXADV 192.0.2.10", 0, 0,
         "Call MyGetIPXAdv ==> NULL|Call MyGetIPX ==> NULL", ""},
        {"MySetNetworkPortEx", "data\\PsNetMan.dll",
         [port](const CExtLibraries& l, std::string&) { return l.MySetNetworkPortEx(port); },
         "Call MySetNetworkPortEx(" + portText + ")", "MySetNetworkPortEx(" + portText + ")", 63,
         "", 0, 0, "Call MySetNetworkPortEx ==> NULL"},
        {"MySetNetworkPortAdv", "data\\PsNetMan.dll",
         [port](const CExtLibraries& l, std::string&) {
             return l.MySetNetworkPortAdv(port, "public");
         },
         "Call MySetNetworkPortAdv", "MySetNetworkPortAdv(" + portText + ",public)", 64, "", 0, 0,
         "Call MySetNetworkPortAdv ==> NULL|Call MySetNetworkPortEx ==> NULL"},
        {"MyDelNetworkPort", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string&) { return l.MyDelNetworkPort("IP_1", "Mx", 0); },
         "Call MyDelNetworkPort(IP_1,Mx,0)", "MyDelNetworkPort(IP_1,Mx,0)", 65, "", 0, 0,
         "Call MyDelNetworkPort ==> NULL"},
        {"SnmpDiscovery", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string&) { return l.SnmpDiscovery(CountPrinter); },
         "Call SnmpDiscovery()", "SnmpDiscovery()", 62, "", 0, 0, "Call SnmpDisvoery ==> NULL"},
        {"SnmpDiscoveryAdv", "data\\PsNetMan.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.SnmpDiscoveryAdv(CountPrinter, "public");
         },
         "Call SnmpDiscoveryAdv", "SnmpDiscoveryAdv(public)", 72, "", 1, 0,
         "Call SnmpDiscoveryAdv ==> NULL|Call SnmpDisvoery ==> NULL"},
        {"Preinstall", "data\\PSpre.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.Preinstall("/P a /S b", reinterpret_cast<HWND>(0x1234));
         },
         "Call Preinstall(/P a /S b,4660)", "Preinstall(/P a /S b,4660)", 71, "", -1, -1,
         "Call Preinstall ==> NULL"},
        {"SetIP", "data\\Setip.dll",
         [](const CExtLibraries& l, std::string&) {
             return l.SetIP("192.0.2.7", "192.0.2.1", "255.255.255.0", "001122334455");
         },
         "Call SetIP(192.0.2.7,192.0.2.1,255.255.255.0,001122334455)",
         "SetIP(192.0.2.7,192.0.2.1,255.255.255.0,001122334455)", 81, "", 1, 1,
         "Call SetIP ==> NULL"},
        {"GetNetPrinter", "data\\Setip.dll",
         [](const CExtLibraries& l, std::string& answer) {
             std::vector<BYTE> list(300, 0xEE);
             DWORD size = static_cast<DWORD>(list.size());
             DWORD count = 99;
             const int result = l.GetNetPrinter(list.data(), size, count);
             answer = std::to_string(size) + " " + std::to_string(count);
             if (result == 0) {
                 answer += " " + std::string(reinterpret_cast<const char*>(&list[65 + 7]));
             }
             return result;
         },
         "Call GetNetPrinter", "GetNetPrinter(list,300)", 0, "130 2 Second", 1, 1,
         "Call GetNetPrinter ==> NULL", "300 0"},
        {"DoRemoteInstall", "data\\Psrmtint.dll",
         [](const CExtLibraries& l, std::string&) {
             REMOTE_INSTALL_BLOCK block = {};
             lstrcpynA(block.computer, "PC7", 256);
             lstrcpynA(block.user, "admin", 256);
             lstrcpynA(block.password, "secret", 256);
             lstrcpynA(block.sourceDir, "C:\\src", 256);
             lstrcpynA(block.commandLine, "setup.exe /Remote", 256);
             return l.DoRemoteInstall(block);
         },
         "Call DoRemoteInstall(PC7)", "DoRemoteInstall(PC7,admin,C:\\src,setup.exe /Remote)", 91,
         "", 0, 0, "Call DoRemoteInstall ==> NULL"},
    };
}

}  // namespace ext_test
