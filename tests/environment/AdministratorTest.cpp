// The administrator test under Wine, whose user is an administrator, and
// from a thread that impersonates the same user without that group.
#include "environment/Administrator.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/Handle.h"

namespace {

bool IsMemberOfAdministrators() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        return false;
    }
    BOOL member = FALSE;
    const BOOL checked = CheckTokenMembership(nullptr, administrators, &member);
    FreeSid(administrators);
    return checked && member;
}

TEST(Administrator, AgreesWithTheTokensGroupMembership) {
    // Wine runs every program as an administrator.
    EXPECT_TRUE(IsMemberOfAdministrators());
    EXPECT_TRUE(setup::IsAdministrator());
}

TEST(Administrator, ThreadTokenWithoutTheGroupIsRefused) {
    HANDLE raw = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(),
                                 TOKEN_DUPLICATE | TOKEN_QUERY | TOKEN_IMPERSONATE, &raw));
    const platform::UniqueHandleNull process(raw);

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                         DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                         &administrators));
    SID_AND_ATTRIBUTES disabled = {administrators, 0};
    HANDLE restrictedRaw = nullptr;
    const BOOL made = CreateRestrictedToken(process.get(), 0, 1, &disabled, 0, nullptr, 0, nullptr,
                                            &restrictedRaw);
    FreeSid(administrators);
    ASSERT_TRUE(made) << GetLastError();
    const platform::UniqueHandleNull restricted(restrictedRaw);

    HANDLE impersonationRaw = nullptr;
    ASSERT_TRUE(DuplicateToken(restricted.get(), SecurityImpersonation, &impersonationRaw));
    const platform::UniqueHandleNull impersonation(impersonationRaw);
    ASSERT_TRUE(SetThreadToken(nullptr, impersonation.get())) << GetLastError();
    const bool administrator = setup::IsAdministrator();
    RevertToSelf();
    EXPECT_FALSE(administrator);
    EXPECT_TRUE(setup::IsAdministrator());
}

}  // namespace
