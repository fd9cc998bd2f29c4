#include "FaultGuard.h"

#include <malloc.h>
#include <xmmintrin.h>

#if !defined(__x86_64__)
#error "The fault guard frame is written for the x64 exception model."
#endif

namespace {

// Result of the guard frame: the callable returned, a C++ exception left it,
// or the exception handler unwound to the resume point.
constexpr int kReturned = 0;
constexpr int kCxxException = 1;
constexpr int kFaulted = 2;

// Room kept on each thread's stack for handling a stack overflow: the
// dispatcher, the handler and the unwind run in it.
constexpr ULONG kStackGuarantee = 32 * 1024;

void PrepareThread() {
    static thread_local bool prepared = false;
    if (prepared) {
        return;
    }
    prepared = true;
    ULONG size = kStackGuarantee;
    SetThreadStackGuarantee(&size);
    // Arms the guard page below the current stack position (where the
    // system has not placed one already), so that the overflow is raised
    // while the guaranteed room is still free.
    _resetstkoflw();
}

}  // namespace

extern "C" {

// The guard frame, written in assembly because the handler must be attached
// to the frame itself:
//   int platform_FaultGuardFrame(bool (*invoke)(void*), void* callable,
//                                platform::FaultInfo* fault)
// It keeps the fault record at 32(%rsp), the slot above the callee's home
// area, where the handler finds it from the establisher frame, and calls
// invoke(callable). platform_FaultGuardResume is where the unwind lands,
// with %rax = kFaulted and %rsp back at the frame's body.
int platform_FaultGuardFrame(bool (*invoke)(void*), void* callable,
                             platform::FaultInfo* fault) noexcept;
extern char platform_FaultGuardResume[];

// Offered every exception that the frames inside the guard did not handle.
__attribute__((used)) EXCEPTION_DISPOSITION platform_FaultGuardHandler(
    EXCEPTION_RECORD* record, void* establisherFrame, CONTEXT*, DISPATCHER_CONTEXT* dispatch) {
    if ((record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0) {
        return ExceptionContinueSearch;
    }
    platform::FaultInfo* fault =
        *reinterpret_cast<platform::FaultInfo**>(static_cast<char*>(establisherFrame) + 32);
    fault->code = record->ExceptionCode;
    fault->address = record->ExceptionAddress;
    RtlUnwindEx(establisherFrame, platform_FaultGuardResume, record,
                reinterpret_cast<void*>(static_cast<ULONG_PTR>(kFaulted)), dispatch->ContextRecord,
                dispatch->HistoryTable);
    return ExceptionContinueSearch;  // RtlUnwindEx does not come back
}

}  // extern "C"

asm(R"(
    .text
    .p2align 4
    .globl platform_FaultGuardFrame
    .def platform_FaultGuardFrame; .scl 2; .type 32; .endef
    .seh_proc platform_FaultGuardFrame
platform_FaultGuardFrame:
    subq $40, %rsp
    .seh_stackalloc 40
    .seh_endprologue
    movq %r8, 32(%rsp)
    movq %rcx, %rax
    movq %rdx, %rcx
    callq *%rax
    movzbl %al, %eax
    xorl $1, %eax
    .globl platform_FaultGuardResume
platform_FaultGuardResume:
    addq $40, %rsp
    ret
    .seh_handler platform_FaultGuardHandler, @except
    .text
    .seh_endproc
)");

namespace platform::detail {

bool GuardedInvoke(bool (*invoke)(void*), void* callable, FaultInfo& fault) noexcept {
    fault = FaultInfo();
    PrepareThread();
    const unsigned int mxcsr = _mm_getcsr();
    unsigned short x87 = 0;
    asm volatile("fnstcw %0" : "=m"(x87));

    const int result = platform_FaultGuardFrame(invoke, callable, &fault);
    if (result == kReturned) {
        return true;
    }
    if (result == kCxxException) {
        fault.code = kCxxExceptionCode;
        return false;
    }
    asm volatile("fnclex\n\tfldcw %0" : : "m"(x87));
    _mm_setcsr(mxcsr);
    if (fault.code == EXCEPTION_STACK_OVERFLOW) {
        _resetstkoflw();
    }
    return false;
}

}  // namespace platform::detail
