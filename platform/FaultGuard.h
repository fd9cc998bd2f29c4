// Runs a call so that a fault inside it (access violation, division by zero,
// stack overflow, an exception of any kind that nothing inside handles) comes
// back to the caller as a result instead of ending the process. Used around
// every call into the package's extension libraries and around operations
// whose failure must not stop the installer.
//
// How: the call runs below a frame with its own structured exception
// handler (the frame-based mechanism __try/__except stands on). The system
// offers an exception to that handler only after every frame inside the call
// has declined it, so a library that handles its own exceptions (C++ throw
// and catch, probing memory with IsBadReadPtr) works unchanged. The handler
// then has the system unwind the frames between the fault and the guard
// (RtlUnwindEx) and resumes the guard with its registers restored. Guards
// nest (the innermost one takes the fault) and any number of threads may be
// inside guarded calls at once: nothing is shared between calls.
//
// What is and is not undone:
// - The frames between the fault and the guard are unwound by the system.
//   Frames compiled with g++ do not run their C++ destructors on that path
//   (its runtime runs cleanups only for its own exceptions), so whatever
//   they held (heap blocks, locks, handles) stays as it was at the fault:
//   a guarded callable should only make the call, with its arguments
//   prepared outside. Code that registers cleanup with the system itself
//   (__finally blocks, for example) runs it.
// - After a fault the floating point control words (MXCSR and the x87
//   control word) are put back as they were before the call.
// - After a stack overflow the thread's stack guard page is set up again, so
//   the next overflow on that thread is caught as well.
// - A C++ exception thrown with the g++ runtime (ours or a library's) is
//   caught and destroyed as such; one thrown by another compiler's runtime
//   arrives as the structured exception it is raised as, and its object is
//   not destroyed.
// - A call that ends the process itself (abort, exit, std::terminate) or
//   destroys the stack beyond what the system can walk cannot be survived.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace platform {

// What escaped a guarded call.
struct FaultInfo {
    // The exception code (EXCEPTION_ACCESS_VIOLATION, ...), or
    // kCxxExceptionCode for a C++ exception of the g++ runtime; 0 when the
    // call returned normally.
    DWORD code = 0;
    // Where the exception was raised; null for a C++ exception.
    void* address = nullptr;
};

// The code a g++ throw is raised with; reported for C++ exceptions.
constexpr DWORD kCxxExceptionCode = 0x20474343;

namespace detail {
// Calls invoke(callable) under the guard. invoke returns false when a C++
// exception left the callable.
bool GuardedInvoke(bool (*invoke)(void*), void* callable, FaultInfo& fault) noexcept;
}  // namespace detail

// Runs call() under the guard. True when it returned normally; false when a
// fault or exception escaped it, described in *fault when given. The
// call's own result, if any, must be stored by the callable itself.
template <typename Call>
bool RunGuarded(Call&& call, FaultInfo* fault = nullptr) noexcept {
    using Stored = std::remove_reference_t<Call>;
    FaultInfo local;
    return detail::GuardedInvoke(
        [](void* callable) -> bool {
            try {
                (*static_cast<Stored*>(callable))();
                return true;
            } catch (...) {
                return false;
            }
        },
        const_cast<void*>(static_cast<const void*>(std::addressof(call))),
        fault != nullptr ? *fault : local);
}

}  // namespace platform
