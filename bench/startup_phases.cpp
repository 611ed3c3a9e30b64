// Where the wizard's start-up goes: the steps of the program's entry, timed in
// process with QueryPerformanceCounter, from the process's creation time to
// the first painted window. A diagnosis beside the start-up probe, not a goal:
// it shows which steps the floor program does not have.
//   startup_phases [runs]   (each run starts this program again as a child)
#include "clock.h"

#include "settings/installer_settings.h"
#include "settings/settings_store.h"
#include "ui/installerunit.h"
#include "vcl/application.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Milliseconds since this process was created, by the system's clock.
double SinceCreation() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

int Child() {
    const double atMain = SinceCreation();
    double last = bench::NowMs();
    const auto step = [&](const char* name) {
        const double now = bench::NowMs();
        std::printf("%s\t%.2f\n", name, now - last);
        last = now;
    };
    std::printf("before main (loader, imports, runtime)\t%.2f\n", atMain);
    vcl::LoadLibrariesFromSystemOnly();
    step("library search order");
    vcl::TApplication app;
    app.Initialize();
    step("application: common controls, window classes");
    const InstallerSettings defaults = DefaultSettings();
    step("defaults: Program Files folder (shell)");
    InstallerSettings loaded = defaults;
    LoadSettings(loaded);
    step("LoadSettings");
    app.CreateForm(fmMain);
    step("TfmMain built (its defaults and LoadSettings again, warm)");
    app.SetMainFormOnTaskBar(true);
    fmMain->Show();
    step("shown");
    app.ProcessMessages();
    step("first messages handled (painting)");
    std::printf("total since creation\t%.2f\n", SinceCreation());
    fmMain->Close();
    app.ProcessMessages();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") {
        return Child();
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    for (int run = 0; run < runs; ++run) {
        std::wstring command = L"\"" + std::wstring(self) + L"\" --child";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return 1;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        std::printf("--\n");
        std::fflush(stdout);
    }
    return 0;
}
