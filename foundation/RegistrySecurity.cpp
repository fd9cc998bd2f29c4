// Opening registry keys to all users.
#include <aclapi.h>

#include <memory>
#include <vector>

#include "APIFunction.h"
#include "Registry.h"
#include "RegistryKey.h"

using platform::UniqueKey;

namespace {

struct SidDeleter {
    void operator()(void* sid) const { FreeSid(sid); }
};
using UniqueSid = std::unique_ptr<void, SidDeleter>;

struct LocalDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

// Size of the access list beyond the SID: the list header and the access
// entry's own fields, with room to spare.
constexpr DWORD kAclOverhead = 52;

DWORD WellKnownSid(SID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second,
                   UniqueSid& sid) {
    PSID allocated = nullptr;
    if (!AllocateAndInitializeSid(&authority, count, first, second, 0, 0, 0, 0, 0, 0, &allocated)) {
        return GetLastError();
    }
    sid.reset(allocated);
    return ERROR_SUCCESS;
}

DWORD EveryoneSid(UniqueSid& sid) {
    return WellKnownSid(SECURITY_WORLD_SID_AUTHORITY, 1, SECURITY_WORLD_RID, 0, sid);
}

EXPLICIT_ACCESS_A FullAccessFor(PSID sid, TRUSTEE_TYPE type) {
    EXPLICIT_ACCESS_A access{};
    access.grfAccessPermissions = KEY_ALL_ACCESS;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = type;
    access.Trustee.ptstrName = static_cast<LPSTR>(sid);
    return access;
}

// One entry giving the SID full access, inherited by sub-keys. An object
// entry without object types is the same grant as a plain entry; a system
// without object entries (they fail as not implemented) gets the plain one.
bool AddFullAccessEntry(const CAPIFunction& api, PACL list, PSID sid) {
    constexpr DWORD kFlags = CONTAINER_INHERIT_ACE | INHERITED_ACE;
    if (api.AddAccessAllowedObjectAce(list, ACL_REVISION_DS, kFlags, KEY_ALL_ACCESS, nullptr,
                                      nullptr, sid)) {
        return true;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_INVALID_FUNCTION && error != ERROR_CALL_NOT_IMPLEMENTED) {
        return false;
    }
    return AddAccessAllowedAceEx(list, ACL_REVISION_DS, kFlags, KEY_ALL_ACCESS, sid) != FALSE;
}

}  // namespace

namespace setup {

DWORD GrantAllUserAccess(const std::string& path, HKEY root, BOOL wow64) {
    UniqueKey key;
    DWORD result = OpenRegistryKey(root, path, WRITE_DAC | RegistryView(wow64), key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    UniqueSid everyone;
    UniqueSid administrators;
    result = EveryoneSid(everyone);
    if (result == ERROR_SUCCESS) {
        result = WellKnownSid(SECURITY_NT_AUTHORITY, 2, SECURITY_BUILTIN_DOMAIN_RID,
                              DOMAIN_ALIAS_RID_ADMINS, administrators);
    }
    if (result != ERROR_SUCCESS) {
        return result;
    }
    EXPLICIT_ACCESS_A entries[] = {
        FullAccessFor(everyone.get(), TRUSTEE_IS_WELL_KNOWN_GROUP),
        FullAccessFor(administrators.get(), TRUSTEE_IS_GROUP),
    };
    PACL list = nullptr;
    result = SetEntriesInAclA(2, entries, nullptr, &list);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    const std::unique_ptr<ACL, LocalDeleter> ownedList(list);
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE)) {
        return GetLastError();
    }
    return RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &descriptor);
}

}  // namespace setup

DWORD CRegistry::SetDaclPermission(const char* keyPath, HKEY root) {
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    CAPIFunction api;
    api.Load();
    if (api.InitializeSecurityDescriptorEntry() == nullptr ||
        api.AllocateAndInitializeSidEntry() == nullptr || api.InitializeAclEntry() == nullptr ||
        api.AddAccessAllowedObjectAceEntry() == nullptr ||
        api.SetSecurityDescriptorDaclEntry() == nullptr ||
        api.SetSecurityDescriptorControlEntry() == nullptr || api.FreeSidEntry() == nullptr) {
        return ERROR_NOT_SUPPORTED;
    }
    SECURITY_DESCRIPTOR descriptor;
    if (!api.InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)) {
        return GetLastError();
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID allocated = nullptr;
    if (!api.AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                      &allocated)) {
        return GetLastError();
    }
    auto freeSid = [&api](void* sid) { api.FreeSid(sid); };
    const std::unique_ptr<void, decltype(freeSid)> everyone(allocated, freeSid);
    const DWORD size = GetLengthSid(everyone.get()) + kAclOverhead;
    // DWORD storage keeps the list aligned as the system requires.
    std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    PACL list = reinterpret_cast<PACL>(storage.data());
    if (!api.InitializeAcl(list, size, ACL_REVISION_DS) ||
        !AddFullAccessEntry(api, list, everyone.get()) ||
        !api.SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE) ||
        !api.SetSecurityDescriptorControl(&descriptor, SE_DACL_AUTO_INHERITED,
                                          SE_DACL_AUTO_INHERITED)) {
        return GetLastError();
    }
    UniqueKey key;
    const DWORD result = setup::OpenRegistryKey(root, path, WRITE_DAC, key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    return RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &descriptor);
}

bool CRegistry::SetRegistryKeyToAllUserAccess(const char* keyPath, HKEY root, BOOL wow64) {
    const std::string path = setup::TrimKeyPath(keyPath);
    return !path.empty() && setup::GrantAllUserAccess(path, root, wow64) == ERROR_SUCCESS;
}
