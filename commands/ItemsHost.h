// What the command executor needs from the item set and the install
// records. The items subsystem implements it and registers it with the
// executor; until it does, the item commands log that they are not
// available and fail, and ending the installer keeps the records it cannot
// judge.
#pragma once

#include <string>

namespace setup {

class CItemsHost {
public:
    virtual ~CItemsHost() = default;

    // Moves the installing history into the installed history.
    virtual bool MoveInstallingHistory() = 0;
    // True when a destination is recorded and some item is installed.
    virtual bool IsAnyItemInstalled() = 0;
    // Removes the uninstall information recorded under the installed history.
    virtual bool RemoveUninstallInfo() = 0;
    // How many items of the set can be installed.
    virtual int CountInstallableItems() = 0;
    // Marks the items whose state is 1, 2 or 4 as selected, the others as
    // not, and writes the item information under the Installing key.
    virtual bool WriteItemInfo() = 0;
    // The closing steps of an installation: shortcuts, program-list entry,
    // install records, printer settings.
    virtual bool InstallUpdate() = 0;
    // Starts the uninstaller and removes the install records.
    virtual bool DeleteAll() = 0;
    // Copies or deletes the files and directories that the section lists.
    virtual bool CopyFiles(const std::string& section) = 0;
    virtual bool DeleteFiles(const std::string& section) = 0;
};

}  // namespace setup
