// The package's minimum requirements on the running system: the start-up
// check (free space, refused Windows versions, working USB) and the
// free-space test of a chosen destination. The system is asked through the
// utility library; failures are shown to the user with the program name as
// caption.
#pragma once

#include <string>

#include "RequirementRecord.h"

class CInstallEnv;

class CRequirements {
public:
    // env must outlive this object.
    explicit CRequirements(CInstallEnv& env) : m_env(env) {}

    // Reads the requirement record from the environment's data
    // configuration; call once the environment is initialised.
    void Load();

    // True when the system may be installed on. Otherwise shows the failed
    // test's message (no owner, OK button), logs it and returns false. USB
    // is tested only with checkUsb set and usbKnown clear. Without the
    // requirement section nothing is asked and the result is true.
    bool CheckRequirements(bool checkUsb, bool usbKnown);

    // True when the drive of the directory has the minimum free space (or
    // the library cannot tell). Otherwise false, after showing the
    // free-space message when showMessage is set.
    bool CheckFreeSpace(const std::string& directory, bool showMessage);

    const SYSTEM_REQUIREMENT& GetRecord() const { return m_record; }

private:
    DWORD FreeSpace(const std::string& directory) const;
    void Show(const std::string& message) const;

    CInstallEnv& m_env;
    SYSTEM_REQUIREMENT m_record;
};
