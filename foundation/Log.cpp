#include "Log.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

std::atomic<CLog*> g_log{nullptr};

constexpr const char* kLineEnd = "\r\n";
constexpr size_t kTitleWidth = 55;

// Logging never changes the error code the caller is about to read.
class LastErrorKeeper {
public:
    LastErrorKeeper() : m_error(::GetLastError()) {}
    ~LastErrorKeeper() { ::SetLastError(m_error); }
    LastErrorKeeper(const LastErrorKeeper&) = delete;
    LastErrorKeeper& operator=(const LastErrorKeeper&) = delete;

private:
    DWORD m_error;
};

// The formatted text, cut to CLog::kMaxText characters.
std::string FormatText(const char* format, va_list args) {
    if (format == nullptr) {
        return std::string();
    }
    std::string text(CLog::kMaxText + 1, '\0');
    const int length = std::vsnprintf(&text[0], text.size(), format, args);
    text.resize(length < 0 ? std::strlen(text.c_str())
                           : std::min(static_cast<size_t>(length), CLog::kMaxText));
    return text;
}

std::string FormatText(const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)));
std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatText(format, args);
    va_end(args);
    return text;
}

// The current local time or date in the C library's default locale.
std::string LocalTimeText(const char* pattern) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_s(&local, &now) != 0) {
        return std::string();
    }
    char text[128];
    const size_t length = std::strftime(text, sizeof(text), pattern, &local);
    return std::string(text, length);
}

// The system's message for the code in the user's default language, empty
// when the system has none.
std::string SystemText(DWORD code) {
    std::string text(CLog::kMaxText + 1, '\0');
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), &text[0],
                         static_cast<DWORD>(text.size()), nullptr);
    text.resize(length);
    return text;
}

std::string ModuleFileName() {
    std::string path(MAX_PATH, '\0');
    const DWORD length = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    path.resize(std::min(static_cast<size_t>(length), path.size()));
    return path.substr(path.find_last_of('\\') + 1);
}

std::string TempDirectory() {
    const DWORD size = ::GetTempPathA(0, nullptr);
    if (size == 0) {
        return std::string();
    }
    std::string directory(size, '\0');
    const DWORD length = ::GetTempPathA(size, &directory[0]);
    directory.resize(length < size ? length : 0);
    return directory;
}

}  // namespace

CLog::CLog(const std::string& programName, const std::string& directory,
           const std::string& exeName) {
    const LastErrorKeeper keeper;
    if (Create(directory, exeName)) {
        WriteBanner(programName);
    }
}

CLog::~CLog() {
    CLog* self = this;
    g_log.compare_exchange_strong(self, nullptr);
}

bool CLog::Create(const std::string& directory, const std::string& exeName) {
    std::string folder = directory.empty() ? TempDirectory() : directory;
    if (folder.empty()) {
        return false;
    }
    if (folder.back() != '\\' && folder.back() != '/') {
        folder += '\\';
    }
    const std::string name = exeName.empty() ? ModuleFileName() : exeName;

    // "<name>.log" first, then "<name>0.log", "<name>1.log" and so on.
    for (int number = -1; number < INT_MAX; ++number) {
        const std::string path =
            folder + name + (number < 0 ? std::string() : std::to_string(number)) + ".log";
        HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            m_file.reset(file);
            m_path = path;
            return true;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return false;
}

void CLog::WriteBanner(const std::string& programName) {
    const std::string rule(60, '/');
    const std::string frame = "//" + std::string(56, ' ') + "//";
    std::string title = programName;
    if (title.size() < kTitleWidth) {
        title.append(kTitleWidth - title.size(), ' ');
    }

    std::string banner;
    for (const std::string& line :
         {rule, frame, "// " + title + "//", frame, rule, std::string(),
          "Data : " + LocalTimeText("%A, %B %d, %Y"), std::string(), std::string()}) {
        banner += line;
        banner += kLineEnd;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    WriteRaw(banner);
}

void CLog::Write(const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteV(format, args);
    va_end(args);
}

void CLog::WriteError(DWORD code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteErrorV(code, format, args);
    va_end(args);
}

void CLog::WriteV(const char* format, va_list args) {
    if (!IsOpen()) {
        return;
    }
    const LastErrorKeeper keeper;
    const std::string text = FormatText(format, args);
    const std::lock_guard<std::mutex> lock(m_mutex);
    WriteLine(text);
}

void CLog::WriteErrorV(DWORD code, const char* format, va_list args) {
    if (!IsOpen()) {
        return;
    }
    const LastErrorKeeper keeper;
    const std::string text = FormatText(format, args);
    std::string errorText;
    if (code != ERROR_SUCCESS) {
        const std::string systemText = SystemText(code);
        if (!systemText.empty()) {
            errorText =
                FormatText("Error Code = %d :%s ", static_cast<int>(code), systemText.c_str());
        }
    }
    // Both lines under one lock, so that no other line comes between them.
    const std::lock_guard<std::mutex> lock(m_mutex);
    WriteLine(text);
    if (!errorText.empty()) {
        WriteLine(errorText);
    }
}

void CLog::WriteLine(const std::string& text) {
    // Cut the file at the write position, when anything lies beyond it. At
    // the end of the file (always, unless the file was changed behind the
    // log's back) there is nothing to cut, and the call is left out: under
    // Wine, cutting while another handle reads the file can leave a run of
    // NULs in it.
    LARGE_INTEGER size{};
    LARGE_INTEGER position{};
    if (::GetFileSizeEx(m_file.get(), &size) &&
        ::SetFilePointerEx(m_file.get(), LARGE_INTEGER{}, &position, FILE_CURRENT) &&
        size.QuadPart > position.QuadPart) {
        ::SetEndOfFile(m_file.get());
    }
    WriteRaw("[" + LocalTimeText("%H.%M.%S") + "]  " + text + kLineEnd);
}

void CLog::WriteRaw(const std::string& bytes) {
    // Straight to the file, so that it is complete up to the last line even
    // when the process ends abruptly.
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, MAXDWORD));
        if (!::WriteFile(m_file.get(), bytes.data() + done, chunk, &written, nullptr) ||
            written == 0) {
            return;
        }
        done += written;
    }
}

CLog* GetLog() {
    return g_log.load();
}

void SetLog(CLog* log) {
    g_log.store(log);
}

void LogWrite(const char* format, ...) {
    CLog* log = GetLog();
    if (log == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    log->WriteV(format, args);
    va_end(args);
}

void LogWriteError(DWORD code, const char* format, ...) {
    CLog* log = GetLog();
    if (log == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    log->WriteErrorV(code, format, args);
    va_end(args);
}
