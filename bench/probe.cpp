// Start-up probe: starts a program, waits for its top-level window to be
// visible, reads its peak working set, closes the window and waits for the
// process to end. The wizard and the floor take turns, pair by pair; a third
// program, the floor with the common controls 6.0 manifest, may join them.
//   startup_probe <runs> <wizard.exe> <floor.exe> [<floor_cc6.exe>]
#include "clock.h"
#include "raw_registry.h"
#include "rows.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    const char* side;
    std::wstring exe;
    const wchar_t* caption;
};

struct Outcome {
    double visibleMs = 0;
    double peakMb = 0;
};

[[noreturn]] void Fail(const char* what, const Program& p) {
    std::fprintf(stderr, "startup_probe: %s (%s)\n", what, p.side);
    std::exit(1);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

HWND VisibleWindowOf(const wchar_t* caption, DWORD processId) {
    HWND window = FindWindowW(nullptr, caption);
    DWORD owner = 0;
    if (window != nullptr && IsWindowVisible(window)) {
        GetWindowThreadProcessId(window, &owner);
    }
    return owner == processId ? window : nullptr;
}

Outcome StartOnce(const Program& p) {
    std::wstring command = L"\"" + p.exe + L"\"";
    const std::wstring folder = FolderOf(p.exe);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};

    Outcome outcome;
    const double start = bench::NowMs();
    if (!CreateProcessW(p.exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
        Fail("cannot start", p);
    }
    HWND window = nullptr;
    while ((window = VisibleWindowOf(p.caption, process.dwProcessId)) == nullptr) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            Fail("ended before its window was visible", p);
        }
        if (bench::NowMs() - start > 30000) {
            TerminateProcess(process.hProcess, 1);
            Fail("no window within 30 s", p);
        }
        Sleep(1);
    }
    outcome.visibleMs = bench::NowMs() - start;

    // The peak once the program has settled into its message loop.
    WaitForInputIdle(process.hProcess, 2000);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process.hProcess, &counters, sizeof(counters))) {
        Fail("cannot read the working set", p);
    }
    outcome.peakMb = static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);

    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        Fail("did not end after its window was closed", p);
    }
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (code != 0) {
        Fail("ended with a non-zero exit code", p);
    }
    return outcome;
}

std::wstring Wide(const char* text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: startup_probe <runs> <wizard.exe> <floor.exe> [<floor_cc6.exe>]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs = {{"ours", Wide(argv[2]), L"Установка Вортан.Бар"},
                                     {"floor", Wide(argv[3]), L"Floor window"}};
    if (argc == 5) {
        programs.push_back({"floor_cc6", Wide(argv[4]), L"Floor window"});
    }

    // A second start of the wizard: a previous install's settings are stored.
    bench::RawPopulate({L"C:\\Program Files\\VortanBar", L"10.20.30.40", true},
                       {{L"101", L"один"}, {L"102", L"два"}, {L"103", L"три"}});

    // Unmeasured: the first starts load the binaries into the cache.
    for (int i = 0; i < 2; ++i) {
        for (const Program& p : programs) {
            StartOnce(p);
        }
    }
    // Each run starts every program once, beginning with a different one.
    for (int run = 0; run < runs; ++run) {
        for (size_t k = 0; k < programs.size(); ++k) {
            const Program& p = programs[(k + static_cast<size_t>(run)) % programs.size()];
            const Outcome o = StartOnce(p);
            bench::Row("startup_ms", 0, p.side, run, o.visibleMs);
            bench::Row("peak_ws_mb", 0, p.side, run, o.peakMb);
        }
    }
    bench::RawRemoveProduct();
    return 0;
}
