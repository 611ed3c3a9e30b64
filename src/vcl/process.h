#pragma once
// Starting a program hidden and waiting for it, while the caller's windows keep
// painting.
#include <string>

struct HWND__; // NOLINT(bugprone-reserved-identifier): the system header's own name

namespace vcl {

using NativeWindow = HWND__*;

struct ProcessOutcome {
    bool started = false;
    bool timedOut = false;
    unsigned long exitCode = 0;
    unsigned long startError = 0; // the system's error code when not started
};

// Starts `program` (a full path) with `parameters`, no window shown, owned by
// `owner`. Waits up to `timeoutMs`, dispatching messages meanwhile; `owner` is
// disabled for the wait so no click starts anything twice. A program still
// running at the bound is ended.
ProcessOutcome RunHiddenAndWait(const std::string& program, const std::string& parameters,
                                NativeWindow owner, unsigned long timeoutMs);

} // namespace vcl
