// Owning wrappers for Win32 handles: one template, each handle type given by
// its close function and its invalid value. Moving transfers ownership;
// the destructor closes what is still owned.
#pragma once

#include <windows.h>

#include <utility>

namespace platform {

template <typename T, typename Close, T Invalid>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : m_handle(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    T get() const { return m_handle; }
    bool valid() const { return m_handle != Invalid; }
    explicit operator bool() const { return valid(); }

    // The caller owns the handle from now on.
    T release() { return std::exchange(m_handle, Invalid); }
    void reset(T handle = Invalid) {
        if (m_handle != Invalid) {
            Close()(m_handle);
        }
        m_handle = handle;
    }
    // For out-parameters: closes what is held and hands out the slot.
    T* put() {
        reset();
        return &m_handle;
    }

private:
    T m_handle = Invalid;
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct CloseRegKey {
    void operator()(HKEY h) const { ::RegCloseKey(h); }
};
struct FreeModule {
    void operator()(HMODULE h) const { ::FreeLibrary(h); }
};
struct CloseFind {
    void operator()(HANDLE h) const { ::FindClose(h); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
// A window may already be gone with its parent: destroyed only while alive.
struct DestroyLiveWindow {
    void operator()(HWND h) const {
        if (::IsWindow(h)) {
            ::DestroyWindow(h);
        }
    }
};

// Handles whose invalid value is NULL (events, mutexes, threads, processes).
using UniqueHandleNull = UniqueHandle<HANDLE, CloseKernelHandle, nullptr>;
using UniqueKey = UniqueHandle<HKEY, CloseRegKey, nullptr>;
using UniqueModule = UniqueHandle<HMODULE, FreeModule, nullptr>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, DeleteGdiObject, nullptr>;
// A window we created and destroy when we are done with it (a child control
// an object owns, for instance).
using UniqueWindow = UniqueHandle<HWND, DestroyLiveWindow, nullptr>;

// Handles whose invalid value is INVALID_HANDLE_VALUE (files, find handles).
// INVALID_HANDLE_VALUE is not a constant expression, so these carry their
// own small class.
template <typename Close>
class UniqueInvalidHandle {
public:
    UniqueInvalidHandle() = default;
    explicit UniqueInvalidHandle(HANDLE handle) : m_handle(handle) {}
    ~UniqueInvalidHandle() { reset(); }
    UniqueInvalidHandle(const UniqueInvalidHandle&) = delete;
    UniqueInvalidHandle& operator=(const UniqueInvalidHandle&) = delete;
    UniqueInvalidHandle(UniqueInvalidHandle&& other) noexcept : m_handle(other.release()) {}
    UniqueInvalidHandle& operator=(UniqueInvalidHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    explicit operator bool() const { return valid(); }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (valid()) {
            Close()(m_handle);
        }
        m_handle = handle;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

using UniqueFile = UniqueInvalidHandle<CloseKernelHandle>;
using UniqueFind = UniqueInvalidHandle<CloseFind>;

}  // namespace platform
