// Reports what the platform code sees on the system it runs on, so that a
// test can run it under different Windows versions. Prints one line:
// "platform=2 major=5 minor=1 product=1 extended=1 is64=1 code=14 family=17
// define=WINXP rightalign=1", the define and the RIGHT_ALIGN option taken from
// the data file named as the first argument (empty and 0 without one). Exit
// code 0, or 1 when the version cannot be read.
#include <cstdio>
#include <string>

#include "environment/Platform.h"
#include "environment/ProfileConfigReader.h"
#include "foundation/Profile.h"

int main(int argc, char** argv) {
    setup::OSVersionInfo version;
    setup::OSCode code;
    if (!setup::QueryOSVersion(version) || !setup::GetOSCode(code)) {
        return 1;
    }
    std::string define;
    OPTION options;
    if (argc > 1) {
        CProfile profile;
        if (profile.Create(argv[1], argv[1]) == ERROR_SUCCESS) {
            setup::CProfileConfigReader reader(profile);
            setup::FindOSDefine(reader, define);
            setup::ReadOptions(reader, options);
        }
    }
    std::printf(
        "platform=%u major=%u minor=%u product=%d extended=%d is64=%d code=%d family=%d "
        "define=%s rightalign=%d\n",
        static_cast<unsigned>(version.platformId), static_cast<unsigned>(version.major),
        static_cast<unsigned>(version.minor), version.productType, version.extended ? 1 : 0,
        version.is64Bit ? 1 : 0, code.code, code.family, define.c_str(),
        options.rightAlign ? 1 : 0);
    return 0;
}
