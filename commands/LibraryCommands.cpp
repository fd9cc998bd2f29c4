// Commands that call the package's utility library. The library's results
// are not read; a command fails only when its operation is missing (the
// wrapper has then logged "Call <entry> ==> NULL").
#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "environment/InstallEnv.h"

namespace setup {
namespace handlers {
namespace {

// MFG and MDL of the program information joined without separator.
std::string Model(CInstallEnv& env) {
    const PROGRAM_INFO& program = env.GetProgramInfo();
    return program.mfg + program.mdl;
}

}  // namespace

bool RefreshSystem(CCmdOperator& commands, const COMMAND_RECORD&) {
    CInstallEnv& env = commands.GetEnv();
    // Windows NT 3.x and 4.0 have no device refresh.
    const int os = env.GetOSCode().code;
    if (os == 11 || os == 12) {
        return true;
    }
    const CExtLibraries& libraries = env.GetExtLibraries();
    libraries.SystemRefresh(Model(env), env.GetProgramInfo().vidpid);
    return libraries.HasEntry("SystemRefresh");
}

bool StartPreventPnP(CCmdOperator& commands, const COMMAND_RECORD&) {
    CInstallEnv& env = commands.GetEnv();
    const CExtLibraries& libraries = env.GetExtLibraries();
    libraries.StartPreventPnP(Model(env));
    return libraries.HasEntry("StartPreventPnP");
}

bool EndPreventPnP(CCmdOperator& commands, const COMMAND_RECORD&) {
    CInstallEnv& env = commands.GetEnv();
    const CExtLibraries& libraries = env.GetExtLibraries();
    libraries.EndPreventPnP(Model(env));
    return libraries.HasEntry("EndPreventPnP");
}

bool RemoveHardwareDialog(CCmdOperator& commands, const COMMAND_RECORD&) {
    const CExtLibraries& libraries = commands.GetEnv().GetExtLibraries();
    libraries.RemoveHardwareWizardDialog();
    return libraries.HasEntry("RemoveHardwareWizardDialog");
}

bool RemoveDevice(CCmdOperator& commands, const COMMAND_RECORD&) {
    CInstallEnv& env = commands.GetEnv();
    const CExtLibraries& libraries = env.GetExtLibraries();
    libraries.RemoveUnknownDev(Model(env), env.GetProgramInfo().vidpid);
    return libraries.HasEntry("RemoveUnknownDev");
}

}  // namespace handlers
}  // namespace setup
