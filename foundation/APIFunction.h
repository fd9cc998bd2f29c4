// System functions that exist only on some Windows versions, looked up by
// name at run time so that the program starts everywhere. Each entry is null
// when its library or the function is missing; the call wrappers then return
// the function's failure value without calling anything. The table is filled
// before any thread starts and is read-only afterwards.
#pragma once

#include <windows.h>

#include <lmcons.h>
#include <lmwksta.h>
#include <setupapi.h>
#include <winnetwk.h>

#include "Export.h"
#include "platform/Handle.h"

class SETUP_EXPORT CAPIFunction {
public:
    // MPR.dll
    using WNetAddConnection2AFn = decltype(&::WNetAddConnection2A);
    // Msimg32.dll
    using GradientFillFn = decltype(&::GradientFill);
    // Kernel32.dll
    using GetDiskFreeSpaceExAFn = decltype(&::GetDiskFreeSpaceExA);
    using MoveFileExAFn = decltype(&::MoveFileExA);
    // User32.dll
    using RegisterDeviceNotificationAFn = decltype(&::RegisterDeviceNotificationA);
    using UnregisterDeviceNotificationFn = decltype(&::UnregisterDeviceNotification);
    using GetWindowModuleFileNameAFn = decltype(&::GetWindowModuleFileNameA);
    // SetupAPI.dll
    using SetupDiEnumDeviceInterfacesFn = decltype(&::SetupDiEnumDeviceInterfaces);
    using SetupDiGetDeviceInterfaceDetailAFn = decltype(&::SetupDiGetDeviceInterfaceDetailA);
    using SetupDiOpenDeviceInterfaceRegKeyFn = decltype(&::SetupDiOpenDeviceInterfaceRegKey);
    using SetupDiGetClassDevsAFn = decltype(&::SetupDiGetClassDevsA);
    using SetupDiDestroyDeviceInfoListFn = decltype(&::SetupDiDestroyDeviceInfoList);
    using SetupDiEnumDeviceInfoFn = decltype(&::SetupDiEnumDeviceInfo);
    using SetupDiGetDeviceRegistryPropertyAFn = decltype(&::SetupDiGetDeviceRegistryPropertyA);
    using SetupDiSetDeviceRegistryPropertyAFn = decltype(&::SetupDiSetDeviceRegistryPropertyA);
    using SetupDiRemoveDeviceFn = decltype(&::SetupDiRemoveDevice);
    using SetupOpenInfFileAFn = decltype(&::SetupOpenInfFileA);
    using SetupGetLineByIndexAFn = decltype(&::SetupGetLineByIndexA);
    using SetupGetStringFieldAFn = decltype(&::SetupGetStringFieldA);
    using SetupCloseInfFileFn = decltype(&::SetupCloseInfFile);
    using SetupGetLineCountAFn = decltype(&::SetupGetLineCountA);
    using SetupGetInfFileListAFn = decltype(&::SetupGetInfFileListA);
    using SetupGetInfInformationAFn = decltype(&::SetupGetInfInformationA);
    using SetupQueryInfFileInformationAFn = decltype(&::SetupQueryInfFileInformationA);
    using SetupQueryInfVersionInformationAFn = decltype(&::SetupQueryInfVersionInformationA);
    using CMP_WaitNoPendingInstallEventsFn = DWORD(WINAPI*)(DWORD timeout);
    // Netapi32.dll
    using NetWkstaGetInfoFn = decltype(&::NetWkstaGetInfo);
    // Advapi32.dll
    using InitializeSecurityDescriptorFn = decltype(&::InitializeSecurityDescriptor);
    using AllocateAndInitializeSidFn = decltype(&::AllocateAndInitializeSid);
    using InitializeAclFn = decltype(&::InitializeAcl);
    using AddAccessAllowedObjectAceFn = decltype(&::AddAccessAllowedObjectAce);
    using SetSecurityDescriptorDaclFn = decltype(&::SetSecurityDescriptorDacl);
    using SetSecurityDescriptorControlFn = decltype(&::SetSecurityDescriptorControl);
    using FreeSidFn = decltype(&::FreeSid);

    // Answer of CMP_WaitNoPendingInstallEvents when the function is missing:
    // neither 0 (nothing pending) nor WAIT_TIMEOUT.
    static constexpr DWORD kWaitMissing = static_cast<DWORD>(-1);

    // Every library handle and entry starts null.
    CAPIFunction();
    // Releases every library that was loaded.
    virtual ~CAPIFunction();
    CAPIFunction(const CAPIFunction&) = delete;
    CAPIFunction& operator=(const CAPIFunction&) = delete;

    // Loads each library with LoadLibraryA and resolves its functions; a
    // library that cannot be loaded leaves its functions null. Loading again
    // first releases what the previous load held. Always returns true.
    bool Load();

    // The raw entries, null when missing, for callers that call directly.
    WNetAddConnection2AFn WNetAddConnection2AEntry() const { return m_pWNetAddConnection2A; }
    GradientFillFn GradientFillEntry() const { return m_pGradientFill; }
    GetDiskFreeSpaceExAFn GetDiskFreeSpaceExAEntry() const { return m_pGetDiskFreeSpaceExA; }
    MoveFileExAFn MoveFileExAEntry() const { return m_pMoveFileExA; }
    RegisterDeviceNotificationAFn RegisterDeviceNotificationAEntry() const {
        return m_pRegisterDeviceNotificationA;
    }
    UnregisterDeviceNotificationFn UnregisterDeviceNotificationEntry() const {
        return m_pUnregisterDeviceNotification;
    }
    GetWindowModuleFileNameAFn GetWindowModuleFileNameAEntry() const {
        return m_pGetWindowModuleFileNameA;
    }
    SetupDiEnumDeviceInterfacesFn SetupDiEnumDeviceInterfacesEntry() const {
        return m_pSetupDiEnumDeviceInterfaces;
    }
    SetupDiGetDeviceInterfaceDetailAFn SetupDiGetDeviceInterfaceDetailAEntry() const {
        return m_pSetupDiGetDeviceInterfaceDetailA;
    }
    SetupDiOpenDeviceInterfaceRegKeyFn SetupDiOpenDeviceInterfaceRegKeyEntry() const {
        return m_pSetupDiOpenDeviceInterfaceRegKey;
    }
    SetupDiGetClassDevsAFn SetupDiGetClassDevsAEntry() const { return m_pSetupDiGetClassDevsA; }
    SetupDiDestroyDeviceInfoListFn SetupDiDestroyDeviceInfoListEntry() const {
        return m_pSetupDiDestroyDeviceInfoList;
    }
    SetupDiEnumDeviceInfoFn SetupDiEnumDeviceInfoEntry() const { return m_pSetupDiEnumDeviceInfo; }
    SetupDiGetDeviceRegistryPropertyAFn SetupDiGetDeviceRegistryPropertyAEntry() const {
        return m_pSetupDiGetDeviceRegistryPropertyA;
    }
    SetupDiSetDeviceRegistryPropertyAFn SetupDiSetDeviceRegistryPropertyAEntry() const {
        return m_pSetupDiSetDeviceRegistryPropertyA;
    }
    SetupDiRemoveDeviceFn SetupDiRemoveDeviceEntry() const { return m_pSetupDiRemoveDevice; }
    SetupOpenInfFileAFn SetupOpenInfFileAEntry() const { return m_pSetupOpenInfFileA; }
    SetupGetLineByIndexAFn SetupGetLineByIndexAEntry() const { return m_pSetupGetLineByIndexA; }
    SetupGetStringFieldAFn SetupGetStringFieldAEntry() const { return m_pSetupGetStringFieldA; }
    SetupCloseInfFileFn SetupCloseInfFileEntry() const { return m_pSetupCloseInfFile; }
    SetupGetLineCountAFn SetupGetLineCountAEntry() const { return m_pSetupGetLineCountA; }
    SetupGetInfFileListAFn SetupGetInfFileListAEntry() const { return m_pSetupGetInfFileListA; }
    SetupGetInfInformationAFn SetupGetInfInformationAEntry() const {
        return m_pSetupGetInfInformationA;
    }
    SetupQueryInfFileInformationAFn SetupQueryInfFileInformationAEntry() const {
        return m_pSetupQueryInfFileInformationA;
    }
    SetupQueryInfVersionInformationAFn SetupQueryInfVersionInformationAEntry() const {
        return m_pSetupQueryInfVersionInformationA;
    }
    CMP_WaitNoPendingInstallEventsFn CMP_WaitNoPendingInstallEventsEntry() const {
        return m_pCMP_WaitNoPendingInstallEvents;
    }
    NetWkstaGetInfoFn NetWkstaGetInfoEntry() const { return m_pNetWkstaGetInfo; }
    InitializeSecurityDescriptorFn InitializeSecurityDescriptorEntry() const {
        return m_pInitializeSecurityDescriptor;
    }
    AllocateAndInitializeSidFn AllocateAndInitializeSidEntry() const {
        return m_pAllocateAndInitializeSid;
    }
    InitializeAclFn InitializeAclEntry() const { return m_pInitializeAcl; }
    AddAccessAllowedObjectAceFn AddAccessAllowedObjectAceEntry() const {
        return m_pAddAccessAllowedObjectAce;
    }
    SetSecurityDescriptorDaclFn SetSecurityDescriptorDaclEntry() const {
        return m_pSetSecurityDescriptorDacl;
    }
    SetSecurityDescriptorControlFn SetSecurityDescriptorControlEntry() const {
        return m_pSetSecurityDescriptorControl;
    }
    FreeSidFn FreeSidEntry() const { return m_pFreeSid; }

    // Call wrappers: the arguments go through unchanged and the function's
    // result comes back. When the function is missing nothing is called and
    // the failure value is returned: null, FALSE, 0 or kWaitMissing; FreeSid
    // then returns the SID it was given, its own way of saying it failed.
    HDEVNOTIFY RegisterDeviceNotificationA(HANDLE recipient, LPVOID filter, DWORD flags) const;
    BOOL UnregisterDeviceNotification(HDEVNOTIFY handle) const;
    BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision) const;
    BOOL AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY authority, BYTE subAuthorityCount,
                                  DWORD subAuthority0, DWORD subAuthority1, DWORD subAuthority2,
                                  DWORD subAuthority3, DWORD subAuthority4, DWORD subAuthority5,
                                  DWORD subAuthority6, DWORD subAuthority7, PSID* sid) const;
    BOOL InitializeAcl(PACL acl, DWORD length, DWORD revision) const;
    BOOL AddAccessAllowedObjectAce(PACL acl, DWORD revision, DWORD aceFlags, DWORD accessMask,
                                   GUID* objectType, GUID* inheritedObjectType, PSID sid) const;
    BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL daclPresent, PACL dacl,
                                   BOOL daclDefaulted) const;
    BOOL SetSecurityDescriptorControl(PSECURITY_DESCRIPTOR descriptor,
                                      SECURITY_DESCRIPTOR_CONTROL bitsOfInterest,
                                      SECURITY_DESCRIPTOR_CONTROL bitsToSet) const;
    PVOID FreeSid(PSID sid) const;
    BOOL GradientFill(HDC dc, PTRIVERTEX vertices, ULONG vertexCount, PVOID mesh, ULONG meshCount,
                      ULONG mode) const;
    DWORD CMP_WaitNoPendingInstallEvents(DWORD timeout) const;
    BOOL MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags) const;

protected:
    using LibraryLoader = HMODULE(WINAPI*)(LPCSTR name);
    // Load with another way of loading a library (LoadLibraryA for Load).
    bool Load(LibraryLoader loader);

private:
    void Release();

    platform::UniqueModule m_hMpr;
    platform::UniqueModule m_hMsimg32;
    platform::UniqueModule m_hKernel32;
    platform::UniqueModule m_hUser32;
    platform::UniqueModule m_hSetupApi;
    platform::UniqueModule m_hNetapi32;
    platform::UniqueModule m_hAdvapi32;
    WNetAddConnection2AFn m_pWNetAddConnection2A = nullptr;
    GradientFillFn m_pGradientFill = nullptr;
    GetDiskFreeSpaceExAFn m_pGetDiskFreeSpaceExA = nullptr;
    MoveFileExAFn m_pMoveFileExA = nullptr;
    RegisterDeviceNotificationAFn m_pRegisterDeviceNotificationA = nullptr;
    UnregisterDeviceNotificationFn m_pUnregisterDeviceNotification = nullptr;
    GetWindowModuleFileNameAFn m_pGetWindowModuleFileNameA = nullptr;
    SetupDiEnumDeviceInterfacesFn m_pSetupDiEnumDeviceInterfaces = nullptr;
    SetupDiGetDeviceInterfaceDetailAFn m_pSetupDiGetDeviceInterfaceDetailA = nullptr;
    SetupDiOpenDeviceInterfaceRegKeyFn m_pSetupDiOpenDeviceInterfaceRegKey = nullptr;
    SetupDiGetClassDevsAFn m_pSetupDiGetClassDevsA = nullptr;
    SetupDiDestroyDeviceInfoListFn m_pSetupDiDestroyDeviceInfoList = nullptr;
    SetupDiEnumDeviceInfoFn m_pSetupDiEnumDeviceInfo = nullptr;
    SetupDiGetDeviceRegistryPropertyAFn m_pSetupDiGetDeviceRegistryPropertyA = nullptr;
    SetupDiSetDeviceRegistryPropertyAFn m_pSetupDiSetDeviceRegistryPropertyA = nullptr;
    SetupDiRemoveDeviceFn m_pSetupDiRemoveDevice = nullptr;
    SetupOpenInfFileAFn m_pSetupOpenInfFileA = nullptr;
    SetupGetLineByIndexAFn m_pSetupGetLineByIndexA = nullptr;
    SetupGetStringFieldAFn m_pSetupGetStringFieldA = nullptr;
    SetupCloseInfFileFn m_pSetupCloseInfFile = nullptr;
    SetupGetLineCountAFn m_pSetupGetLineCountA = nullptr;
    SetupGetInfFileListAFn m_pSetupGetInfFileListA = nullptr;
    SetupGetInfInformationAFn m_pSetupGetInfInformationA = nullptr;
    SetupQueryInfFileInformationAFn m_pSetupQueryInfFileInformationA = nullptr;
    SetupQueryInfVersionInformationAFn m_pSetupQueryInfVersionInformationA = nullptr;
    CMP_WaitNoPendingInstallEventsFn m_pCMP_WaitNoPendingInstallEvents = nullptr;
    NetWkstaGetInfoFn m_pNetWkstaGetInfo = nullptr;
    InitializeSecurityDescriptorFn m_pInitializeSecurityDescriptor = nullptr;
    AllocateAndInitializeSidFn m_pAllocateAndInitializeSid = nullptr;
    InitializeAclFn m_pInitializeAcl = nullptr;
    AddAccessAllowedObjectAceFn m_pAddAccessAllowedObjectAce = nullptr;
    SetSecurityDescriptorDaclFn m_pSetSecurityDescriptorDacl = nullptr;
    SetSecurityDescriptorControlFn m_pSetSecurityDescriptorControl = nullptr;
    FreeSidFn m_pFreeSid = nullptr;
};
