// Classes that other components of a package use from the running setup
// program are exported from the executable under their own names.
#pragma once

#if defined(_WIN32)
#define SETUP_EXPORT __declspec(dllexport)
#else
#define SETUP_EXPORT
#endif
