// The page preview for package makers: opens every page of a package's page
// list in turn, the way the wizard would build it, writes each as a BMP
// picture and prints one line per page (section, size, object count and
// what is wrong with it), so a package can be checked without clicking
// through the wizard.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CInstallEnv;

class CPagePreview {
public:
    struct PageReport {
        std::string section;
        std::string picture;  // the BMP file written, empty when none
        SIZE size = {0, 0};
        size_t objects = 0;
        std::vector<std::string> warnings;
    };

    explicit CPagePreview(CInstallEnv& env) : m_env(env) {}

    // The page list: dialogsSection when not empty, else the "DIALOGS" key
    // of the install start section ("INSTALL_START_INFO" as resolved for
    // this system). False, with the reason in error, when there is none.
    bool FindPages(const std::string& dialogsSection, std::vector<std::string>& pages,
                   std::string& error);
    // Builds the page of section on a window of its own, shows it, and
    // writes its picture to outDir as "<nn>_<section>.bmp".
    PageReport Preview(const std::string& section, int number, const std::string& outDir);
    // "NORMAL.WELCOME  600x400  12 objects  ok" or the warnings after the
    // count.
    static std::string Summary(const PageReport& report);

private:
    CInstallEnv& m_env;
};
