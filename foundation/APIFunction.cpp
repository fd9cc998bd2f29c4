#include "APIFunction.h"

namespace {

// Sets the entry to the named function of the module, or to null when the
// module or the function is missing.
template <typename Fn>
void Resolve(HMODULE module, const char* name, Fn& entry) {
    FARPROC proc = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
}

}  // namespace

CAPIFunction::CAPIFunction() = default;

CAPIFunction::~CAPIFunction() = default;

bool CAPIFunction::Load() {
    return Load(::LoadLibraryA);
}

bool CAPIFunction::Load(LibraryLoader loader) {
    Release();

    m_hMpr.reset(loader("MPR.dll"));
    Resolve(m_hMpr.get(), "WNetAddConnection2A", m_pWNetAddConnection2A);

    m_hMsimg32.reset(loader("Msimg32.dll"));
    Resolve(m_hMsimg32.get(), "GradientFill", m_pGradientFill);

    m_hKernel32.reset(loader("Kernel32.dll"));
    Resolve(m_hKernel32.get(), "GetDiskFreeSpaceExA", m_pGetDiskFreeSpaceExA);
    Resolve(m_hKernel32.get(), "MoveFileExA", m_pMoveFileExA);

    m_hUser32.reset(loader("User32.dll"));
    Resolve(m_hUser32.get(), "RegisterDeviceNotificationA", m_pRegisterDeviceNotificationA);
    Resolve(m_hUser32.get(), "UnregisterDeviceNotification", m_pUnregisterDeviceNotification);
    Resolve(m_hUser32.get(), "GetWindowModuleFileNameA", m_pGetWindowModuleFileNameA);

    m_hSetupApi.reset(loader("SetupAPI.dll"));
    Resolve(m_hSetupApi.get(), "SetupDiEnumDeviceInterfaces", m_pSetupDiEnumDeviceInterfaces);
    Resolve(m_hSetupApi.get(), "SetupDiGetDeviceInterfaceDetailA",
            m_pSetupDiGetDeviceInterfaceDetailA);
    Resolve(m_hSetupApi.get(), "SetupDiOpenDeviceInterfaceRegKey",
            m_pSetupDiOpenDeviceInterfaceRegKey);
    Resolve(m_hSetupApi.get(), "SetupDiGetClassDevsA", m_pSetupDiGetClassDevsA);
    Resolve(m_hSetupApi.get(), "SetupDiDestroyDeviceInfoList", m_pSetupDiDestroyDeviceInfoList);
    Resolve(m_hSetupApi.get(), "SetupDiEnumDeviceInfo", m_pSetupDiEnumDeviceInfo);
    Resolve(m_hSetupApi.get(), "SetupDiGetDeviceRegistryPropertyA",
            m_pSetupDiGetDeviceRegistryPropertyA);
    Resolve(m_hSetupApi.get(), "SetupDiSetDeviceRegistryPropertyA",
            m_pSetupDiSetDeviceRegistryPropertyA);
    Resolve(m_hSetupApi.get(), "SetupDiRemoveDevice", m_pSetupDiRemoveDevice);
    Resolve(m_hSetupApi.get(), "SetupOpenInfFileA", m_pSetupOpenInfFileA);
    Resolve(m_hSetupApi.get(), "SetupGetLineByIndexA", m_pSetupGetLineByIndexA);
    Resolve(m_hSetupApi.get(), "SetupGetStringFieldA", m_pSetupGetStringFieldA);
    Resolve(m_hSetupApi.get(), "SetupCloseInfFile", m_pSetupCloseInfFile);
    Resolve(m_hSetupApi.get(), "SetupGetLineCountA", m_pSetupGetLineCountA);
    Resolve(m_hSetupApi.get(), "SetupGetInfFileListA", m_pSetupGetInfFileListA);
    Resolve(m_hSetupApi.get(), "SetupGetInfInformationA", m_pSetupGetInfInformationA);
    Resolve(m_hSetupApi.get(), "SetupQueryInfFileInformationA", m_pSetupQueryInfFileInformationA);
    Resolve(m_hSetupApi.get(), "SetupQueryInfVersionInformationA",
            m_pSetupQueryInfVersionInformationA);
    Resolve(m_hSetupApi.get(), "CMP_WaitNoPendingInstallEvents", m_pCMP_WaitNoPendingInstallEvents);

    m_hNetapi32.reset(loader("Netapi32.dll"));
    Resolve(m_hNetapi32.get(), "NetWkstaGetInfo", m_pNetWkstaGetInfo);

    m_hAdvapi32.reset(loader("Advapi32.dll"));
    Resolve(m_hAdvapi32.get(), "InitializeSecurityDescriptor", m_pInitializeSecurityDescriptor);
    Resolve(m_hAdvapi32.get(), "AllocateAndInitializeSid", m_pAllocateAndInitializeSid);
    Resolve(m_hAdvapi32.get(), "InitializeAcl", m_pInitializeAcl);
    Resolve(m_hAdvapi32.get(), "AddAccessAllowedObjectAce", m_pAddAccessAllowedObjectAce);
    Resolve(m_hAdvapi32.get(), "SetSecurityDescriptorDacl", m_pSetSecurityDescriptorDacl);
    Resolve(m_hAdvapi32.get(), "SetSecurityDescriptorControl", m_pSetSecurityDescriptorControl);
    Resolve(m_hAdvapi32.get(), "FreeSid", m_pFreeSid);

    return true;
}

void CAPIFunction::Release() {
    m_pWNetAddConnection2A = nullptr;
    m_pGradientFill = nullptr;
    m_pGetDiskFreeSpaceExA = nullptr;
    m_pMoveFileExA = nullptr;
    m_pRegisterDeviceNotificationA = nullptr;
    m_pUnregisterDeviceNotification = nullptr;
    m_pGetWindowModuleFileNameA = nullptr;
    m_pSetupDiEnumDeviceInterfaces = nullptr;
    m_pSetupDiGetDeviceInterfaceDetailA = nullptr;
    m_pSetupDiOpenDeviceInterfaceRegKey = nullptr;
    m_pSetupDiGetClassDevsA = nullptr;
    m_pSetupDiDestroyDeviceInfoList = nullptr;
    m_pSetupDiEnumDeviceInfo = nullptr;
    m_pSetupDiGetDeviceRegistryPropertyA = nullptr;
    m_pSetupDiSetDeviceRegistryPropertyA = nullptr;
    m_pSetupDiRemoveDevice = nullptr;
    m_pSetupOpenInfFileA = nullptr;
    m_pSetupGetLineByIndexA = nullptr;
    m_pSetupGetStringFieldA = nullptr;
    m_pSetupCloseInfFile = nullptr;
    m_pSetupGetLineCountA = nullptr;
    m_pSetupGetInfFileListA = nullptr;
    m_pSetupGetInfInformationA = nullptr;
    m_pSetupQueryInfFileInformationA = nullptr;
    m_pSetupQueryInfVersionInformationA = nullptr;
    m_pCMP_WaitNoPendingInstallEvents = nullptr;
    m_pNetWkstaGetInfo = nullptr;
    m_pInitializeSecurityDescriptor = nullptr;
    m_pAllocateAndInitializeSid = nullptr;
    m_pInitializeAcl = nullptr;
    m_pAddAccessAllowedObjectAce = nullptr;
    m_pSetSecurityDescriptorDacl = nullptr;
    m_pSetSecurityDescriptorControl = nullptr;
    m_pFreeSid = nullptr;

    m_hMpr.reset();
    m_hMsimg32.reset();
    m_hKernel32.reset();
    m_hUser32.reset();
    m_hSetupApi.reset();
    m_hNetapi32.reset();
    m_hAdvapi32.reset();
}

HDEVNOTIFY CAPIFunction::RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter,
                                                     DWORD flags) const {
    return m_pRegisterDeviceNotificationA != nullptr
               ? m_pRegisterDeviceNotificationA(recipient, filter, flags)
               : nullptr;
}

BOOL CAPIFunction::UnregisterDeviceNotification(HDEVNOTIFY handle) const {
    return m_pUnregisterDeviceNotification != nullptr ? m_pUnregisterDeviceNotification(handle)
                                                      : FALSE;
}

BOOL CAPIFunction::InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor,
                                                DWORD revision) const {
    return m_pInitializeSecurityDescriptor != nullptr
               ? m_pInitializeSecurityDescriptor(descriptor, revision)
               : FALSE;
}

BOOL CAPIFunction::AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority,
                                            BYTE subAuthorityCount, DWORD subAuthority0,
                                            DWORD subAuthority1, DWORD subAuthority2,
                                            DWORD subAuthority3, DWORD subAuthority4,
                                            DWORD subAuthority5, DWORD subAuthority6,
                                            DWORD subAuthority7, PSID* sid) const {
    if (m_pAllocateAndInitializeSid == nullptr) {
        return FALSE;
    }
    return m_pAllocateAndInitializeSid(authority, subAuthorityCount, subAuthority0, subAuthority1,
                                       subAuthority2, subAuthority3, subAuthority4, subAuthority5,
                                       subAuthority6, subAuthority7, sid);
}

BOOL CAPIFunction::InitializeAcl(PACL acl, DWORD length, DWORD revision) const {
    return m_pInitializeAcl != nullptr ? m_pInitializeAcl(acl, length, revision) : FALSE;
}

BOOL CAPIFunction::AddAccessAllowedObjectAce(PACL acl, DWORD revision, DWORD aceFlags,
                                             DWORD accessMask, GUID* objectType,
                                             GUID* inheritedObjectType, PSID sid) const {
    if (m_pAddAccessAllowedObjectAce == nullptr) {
        return FALSE;
    }
    return m_pAddAccessAllowedObjectAce(acl, revision, aceFlags, accessMask, objectType,
                                        inheritedObjectType, sid);
}

BOOL CAPIFunction::SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL daclPresent,
                                             PACL dacl, BOOL daclDefaulted) const {
    return m_pSetSecurityDescriptorDacl != nullptr
               ? m_pSetSecurityDescriptorDacl(descriptor, daclPresent, dacl, daclDefaulted)
               : FALSE;
}

BOOL CAPIFunction::SetSecurityDescriptorControl(PSECURITY_DESCRIPTOR descriptor,
                                                SECURITY_DESCRIPTOR_CONTROL bitsOfInterest,
                                                SECURITY_DESCRIPTOR_CONTROL bitsToSet) const {
    return m_pSetSecurityDescriptorControl != nullptr
               ? m_pSetSecurityDescriptorControl(descriptor, bitsOfInterest, bitsToSet)
               : FALSE;
}

// FreeSid answers null for success and the SID itself for failure.
PVOID CAPIFunction::FreeSid(PSID sid) const {
    return m_pFreeSid != nullptr ? m_pFreeSid(sid) : sid;
}

BOOL CAPIFunction::GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh,
                                ULONG meshCount, ULONG mode) const {
    return m_pGradientFill != nullptr
               ? m_pGradientFill(dc, vertices, vertexCount, mesh, meshCount, mode)
               : FALSE;
}

DWORD CAPIFunction::CMP_WaitNoPendingInstallEvents(DWORD timeout) const {
    return m_pCMP_WaitNoPendingInstallEvents != nullptr ? m_pCMP_WaitNoPendingInstallEvents(timeout)
                                                        : kWaitMissing;
}

BOOL CAPIFunction::MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags) const {
    return m_pMoveFileExA != nullptr ? m_pMoveFileExA(existingName, newName, flags) : FALSE;
}
