// The installer's trace: one file per run in the temporary directory,
// "[HH.MM.SS]  text" per line, complete on disk after every line. Writers on
// several threads wait for each other, so no line is lost or mixed.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <mutex>
#include <string>

#include "platform/Handle.h"

class CLog {
public:
    // Longest text of one line; longer texts are cut to this many characters.
    static constexpr size_t kMaxText = 4095;

    // Creates "<directory>\<exe name>.log", or "<directory>\<exe name><n>.log"
    // with the first free n from 0 on, and writes the banner with the program
    // name. directory and exeName default to the system's temporary directory
    // and the running program's file name. When the file cannot be created
    // every write does nothing.
    explicit CLog(const std::string& programName, const std::string& directory = std::string(),
                  const std::string& exeName = std::string());
    ~CLog();
    CLog(const CLog&) = delete;
    CLog& operator=(const CLog&) = delete;

    void Write(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
    // As Write; a non-zero code adds "Error Code = %d :%s " with the system's
    // text for it, or nothing when the system has no text.
    void WriteError(DWORD code, const char* format, ...)
        __attribute__((format(__MINGW_PRINTF_FORMAT, 3, 4)));
    void WriteV(const char* format, va_list args);
    void WriteErrorV(DWORD code, const char* format, va_list args);

    bool IsOpen() const { return m_file.valid(); }
    // The file's full path; empty when it could not be created.
    const std::string& GetPath() const { return m_path; }

private:
    bool Create(const std::string& directory, const std::string& exeName);
    void WriteBanner(const std::string& programName);
    // Writes "[time]  text" and CR LF; the caller holds m_mutex.
    void WriteLine(const std::string& text);
    void WriteRaw(const std::string& bytes);

    platform::UniqueFile m_file;
    std::string m_path;
    std::mutex m_mutex;
};

// The run's log, set by its owner (the application object); null before.
CLog* GetLog();
void SetLog(CLog* log);

// Write to the run's log when there is one; otherwise nothing happens.
void LogWrite(const char* format, ...) __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
void LogWriteError(DWORD code, const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 2, 3)));
