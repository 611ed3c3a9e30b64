#include "vcl/process.h"

#include "vcl/text.h"
#include "vcl/win_handles.h"

#include <shellapi.h>

namespace vcl {
namespace {

// Keeps the windows painted while waiting; input cannot reach the disabled owner.
void DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit for the caller's own loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace

ProcessOutcome RunHiddenAndWait(const std::string& program, const std::string& parameters,
                                NativeWindow owner, unsigned long timeoutMs) {
    ProcessOutcome outcome;
    const std::wstring file = Widen(program);
    const std::wstring params = Widen(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = owner;
    info.lpFile = file.c_str();
    info.lpParameters = params.c_str();
    info.nShow = SW_HIDE;
    if (!ShellExecuteExW(&info) || info.hProcess == nullptr) {
        outcome.startError = GetLastError();
        return outcome;
    }
    UniqueKernelHandle process(info.hProcess);
    outcome.started = true;

    const bool disabled = owner != nullptr && EnableWindow(owner, FALSE) == FALSE;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD rc = MsgWaitForMultipleObjects(1, &info.hProcess, FALSE, left, QS_ALLINPUT);
        if (rc == WAIT_OBJECT_0) {
            GetExitCodeProcess(process.get(), &outcome.exitCode);
            break;
        }
        if (rc == WAIT_OBJECT_0 + 1) {
            DispatchPending();
            continue;
        }
        // Past the bound (or the wait itself failed): do not leave it running.
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        outcome.timedOut = true;
        break;
    }
    if (disabled) {
        EnableWindow(owner, TRUE);
    }
    return outcome;
}

} // namespace vcl
