// The Win32 types and result codes the foundation classes use. The Windows
// build takes them from <windows.h>; the native build (tests under sanitizers
// and fuzzers) gets layout-compatible stand-ins, so the pure logic compiles
// unchanged on both.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef int32_t LONG;
typedef int BOOL;
typedef DWORD COLORREF;
typedef void* HANDLE;
struct POINT {
    LONG x;
    LONG y;
};
struct SIZE {
    LONG cx;
    LONG cy;
};
struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_INVALID_DATA = 13;
constexpr DWORD ERROR_OUTOFMEMORY = 14;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_NO_MORE_ITEMS = 259;
#endif
