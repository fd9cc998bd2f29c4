#include "Administrator.h"

#include <windows.h>

#include <vector>

#include "platform/Handle.h"

namespace setup {
namespace {

constexpr DWORD kAccessRead = 1;
constexpr DWORD kAccessWrite = 2;

struct FreeSidDeleter {
    void operator()(PSID sid) const { FreeSid(sid); }
};
using UniqueSid = platform::UniqueHandle<PSID, FreeSidDeleter, nullptr>;

// The caller's token, duplicated to the impersonation level AccessCheck
// needs.
platform::UniqueHandleNull OpenCallerToken() {
    platform::UniqueHandleNull token;
    HANDLE raw = nullptr;
    if (OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_QUERY, TRUE, &raw)) {
        token.reset(raw);
    } else if (GetLastError() == ERROR_NO_TOKEN &&
               OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &raw)) {
        token.reset(raw);
    } else {
        return token;
    }
    HANDLE impersonation = nullptr;
    if (!DuplicateToken(token.get(), SecurityImpersonation, &impersonation)) {
        return platform::UniqueHandleNull();
    }
    return platform::UniqueHandleNull(impersonation);
}

}  // namespace

bool IsAdministrator() {
    const platform::UniqueHandleNull token = OpenCallerToken();
    if (!token) {
        return false;
    }
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    UniqueSid administrators;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  administrators.put())) {
        return false;
    }

    const DWORD aclSize = sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) +
                          GetLengthSid(administrators.get()) - sizeof(DWORD);
    std::vector<BYTE> aclBuffer(aclSize);
    auto* acl = reinterpret_cast<ACL*>(aclBuffer.data());
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !InitializeAcl(acl, aclSize, ACL_REVISION2) ||
        !AddAccessAllowedAce(acl, ACL_REVISION2, kAccessRead | kAccessWrite,
                             administrators.get()) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) ||
        !SetSecurityDescriptorGroup(&descriptor, administrators.get(), FALSE) ||
        !SetSecurityDescriptorOwner(&descriptor, administrators.get(), FALSE) ||
        !IsValidSecurityDescriptor(&descriptor)) {
        return false;
    }

    GENERIC_MAPPING mapping = {kAccessRead, kAccessWrite, 0, kAccessRead | kAccessWrite};
    PRIVILEGE_SET privileges;
    DWORD privilegesSize = sizeof(privileges);
    DWORD granted = 0;
    BOOL allowed = FALSE;
    if (!AccessCheck(&descriptor, token.get(), kAccessRead, &mapping, &privileges, &privilegesSize,
                     &granted, &allowed)) {
        return false;
    }
    return allowed != FALSE;
}

}  // namespace setup
