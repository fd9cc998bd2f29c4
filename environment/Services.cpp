#include "Services.h"

#include "ServiceWait.h"
#include "platform/Handle.h"

namespace setup {
namespace {

struct CloseService {
    void operator()(SC_HANDLE h) const { CloseServiceHandle(h); }
};
using UniqueService = platform::UniqueHandle<SC_HANDLE, CloseService, nullptr>;

DWORD OpenNamedService(const std::string& name, DWORD managerAccess, DWORD access,
                       UniqueService& service) {
    const UniqueService manager(OpenSCManagerA(nullptr, nullptr, managerAccess));
    if (!manager) {
        return GetLastError();
    }
    service.reset(OpenServiceA(manager.get(), name.c_str(), access));
    return service ? ERROR_SUCCESS : GetLastError();
}

DWORD QueryProgress(SC_HANDLE service, ServiceProgress& progress) {
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(service, &status)) {
        return GetLastError();
    }
    progress.state = status.dwCurrentState;
    progress.checkPoint = status.dwCheckPoint;
    progress.waitHint = status.dwWaitHint;
    progress.exitCode = status.dwWin32ExitCode == ERROR_SERVICE_SPECIFIC_ERROR
                            ? status.dwServiceSpecificExitCode
                            : status.dwWin32ExitCode;
    return ERROR_SUCCESS;
}

DWORD WaitFor(SC_HANDLE service, DWORD goal, DWORD pending) {
    ServiceProgress progress;
    const DWORD error = QueryProgress(service, progress);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    ServiceWaitHooks hooks;
    hooks.query = [service](ServiceProgress& status) { return QueryProgress(service, status); };
    hooks.now = [] { return GetTickCount(); };
    hooks.sleep = [](DWORD ms) { Sleep(ms); };
    return WaitForServiceState(progress, goal, pending, hooks);
}

// Opens the service, and unless it is in the goal state or already on its
// way there, sends the request; then waits for the pending state to end.
template <typename Request>
DWORD ChangeState(const std::string& name, DWORD goal, DWORD pending, DWORD alreadyError,
                  Request request) {
    UniqueService service;
    DWORD error = OpenNamedService(name, SC_MANAGER_ALL_ACCESS, SERVICE_ALL_ACCESS, service);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    ServiceProgress progress;
    error = QueryProgress(service.get(), progress);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    if (progress.state == goal) {
        return ERROR_SUCCESS;
    }
    if (progress.state != pending && !request(service.get())) {
        error = GetLastError();
        if (error != alreadyError) {
            return error;
        }
    }
    return WaitFor(service.get(), goal, pending);
}

}  // namespace

DWORD StartServiceAndWait(const std::string& name) {
    return ChangeState(name, kServiceRunning, kServiceStartPending, ERROR_SERVICE_ALREADY_RUNNING,
                       [](SC_HANDLE service) { return StartServiceA(service, 0, nullptr); });
}

DWORD StopServiceAndWait(const std::string& name) {
    return ChangeState(name, kServiceStopped, kServiceStopPending, ERROR_SERVICE_NOT_ACTIVE,
                       [](SC_HANDLE service) {
                           SERVICE_STATUS status = {};
                           return ControlService(service, SERVICE_CONTROL_STOP, &status);
                       });
}

DWORD QueryServiceState(const std::string& name, DWORD* state) {
    if (state == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueService service;
    DWORD error = OpenNamedService(name, SC_MANAGER_CONNECT, SERVICE_QUERY_STATUS, service);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    ServiceProgress progress;
    error = QueryProgress(service.get(), progress);
    if (error == ERROR_SUCCESS) {
        *state = progress.state;
    }
    return error;
}

}  // namespace setup
