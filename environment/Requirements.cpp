#include "Requirements.h"

#include <vector>

#include "InstallEnv.h"
#include "ShowMessage.h"
#include "foundation/Log.h"

void CRequirements::Load() {
    CConfigFile& data = m_env.GetConfigFiles().Data();
    setup::ReadRequirements(data, data.GetSectionNames(), m_record);
}

DWORD CRequirements::FreeSpace(const std::string& directory) const {
    const int answer = m_env.GetExtLibraries().GetDiskFreeSpacePS(directory);
    // A negative answer tells as little as none.
    return answer > 0 ? static_cast<DWORD>(answer) : 0;
}

void CRequirements::Show(const std::string& message) const {
    setup::ShowMessage(nullptr, message, m_env.GetProgramInfo().programName, MB_OK);
}

bool CRequirements::CheckRequirements(bool checkUsb, bool usbKnown) {
    const PROGRAM_INFO& program = m_env.GetProgramInfo();
    const std::string& osDefine = m_env.GetInstallRecord().osDefine;
    DWORD space = 0;
    setup::RequirementProbes probes;
    probes.freeSpace = [this, &space](const std::string& directory) {
        space = FreeSpace(directory);
        return space;
    };
    probes.devicePortCount = [this, &program] {
        std::vector<std::string> ports;
        int count = 0;
        m_env.GetExtLibraries().GetDevicePort(program.mfg, program.mdl, program.vidpid, ports,
                                              count);
        return count;
    };
    const setup::RequirementFailure failure =
        setup::EvaluateRequirements(m_record, osDefine, checkUsb, usbKnown, probes);
    switch (failure) {
        case setup::RequirementFailure::kNone:
            return true;
        case setup::RequirementFailure::kFreeSpace:
            LogWrite("Free space (%lu) is less than the required %lu",
                     static_cast<unsigned long>(space),
                     static_cast<unsigned long>(m_record.freeSpace));
            break;
        case setup::RequirementFailure::kUnsupportedOS:
            LogWrite("OS (%s) is not supported", osDefine.c_str());
            break;
        case setup::RequirementFailure::kUsbNotAvailable:
            LogWrite("USB is not available");
            break;
    }
    Show(setup::RequirementMessage(m_record, failure));
    return false;
}

bool CRequirements::CheckFreeSpace(const std::string& directory, bool showMessage) {
    if (m_record.freeSpace == 0) {
        return true;
    }
    const DWORD space = FreeSpace(directory);
    if (setup::HasEnoughSpace(m_record, space)) {
        return true;
    }
    LogWrite("Free space of (%s) (%lu) is less than the required %lu", directory.c_str(),
             static_cast<unsigned long>(space), static_cast<unsigned long>(m_record.freeSpace));
    if (showMessage) {
        Show(setup::FreeSpaceMessage(m_record));
    }
    return false;
}
