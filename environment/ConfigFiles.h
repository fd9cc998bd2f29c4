// The package's four configuration files and the names they were found
// under: the data file beside the program, which names the configure,
// command and string files; and the setting file.
#pragma once

#include <string>

#include "ConfigFile.h"

class CConfigFiles {
public:
    CConfigFile& Data() { return m_data; }
    CConfigFile& Configure() { return m_configure; }
    CConfigFile& Command() { return m_command; }
    CConfigFile& Strings() { return m_strings; }

    std::string dataFile;
    std::string stringFile;
    std::string configureFile;
    std::string commandFile;
    std::string stringFileFormat;
    std::string stringFileName;
    std::string settingFile;

private:
    CConfigFile m_data;
    CConfigFile m_configure;
    CConfigFile m_command;
    CConfigFile m_strings;
};
