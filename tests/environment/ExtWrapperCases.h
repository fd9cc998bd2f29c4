// Every call wrapper of CExtLibraries as a row: how to call it, what the
// stand-in library then records, and what the caller gets back normally,
// after a fault and without the library.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "environment/ExtLibraries.h"

namespace ext_test {

// The discovery callback the discovery rows pass: counts each printer.
int WINAPI CountPrinter(const char*, const char*, const char*, const char*, const char*);

// One wrapper: how to call it, what the library then sees, and its results.
struct WrapperCase {
    const char* entry;
    const char* library;  // the file whose copy serves the call
    std::function<int(const CExtLibraries&, std::string& answer)> call;
    std::string logLine;   // written before the call
    std::string recorded;  // the call as the library saw it
    int normal;            // the library's own result
    std::string answer;    // what the caller got back in its out parameters
    int failure;           // the result when the entry faults
    int missing;           // the result when the library is absent
    std::string nullLine;  // the log when the library is absent
    // The out parameters after a fault or without the library: cleared
    // ("stale" for a wrapper without any).
    std::string cleared = "stale";
};

std::vector<WrapperCase> WrapperCases();

}  // namespace ext_test
