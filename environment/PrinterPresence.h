// Whether a printer driver is installed, or in use by a local printer.
#pragma once

#include <string>

namespace setup {

// With asPrinter set: true when a local printer uses a driver of that name
// (pDriverName of PRINTER_INFO_2, EnumPrintersA local, level 2). Otherwise:
// true when a printer driver of that name is installed for the current
// environment (EnumPrinterDriversA, level 3). Names compare without regard
// to case; an empty name, or a list that cannot be read, is false.
bool IsPrinterPresent(const std::string& name, bool asPrinter);

}  // namespace setup
