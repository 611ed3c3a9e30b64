// Install and load cost as the console list grows, ours beside the bare Reg*
// floor, interleaved run by run. Runs in the bench prefix's real
// HKEY_CURRENT_USER (the whole install also registers the stand-in add-on there).
//   registry_bench [--sizes 1,100,1000,10000] [--runs 31,21,11,7] [--parts install,whole,load]
#include "clock.h"
#include "raw_registry.h"
#include "rows.h"

#include "install/install_sequence.h"
#include "settings/settings_store.h"
#include "vcl/text.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<long> Numbers(const std::string& list) {
    std::vector<long> out;
    std::stringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        out.push_back(std::stol(item));
    }
    return out;
}

std::string Utf8(const fs::path& p) {
    const auto u8 = p.u8string();
    return {u8.begin(), u8.end()};
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "registry_bench: %s\n", what.c_str());
    std::exit(1);
}

class BenchHost : public InstallHost {
  public:
    explicit BenchHost(std::string exe) : exe_(std::move(exe)) {}
    vcl::NativeWindow OwnerWindow() const override { return nullptr; }
    void ShowError(const std::string& text) override { Fail("install failed: " + text); }
    void CloseMainForm() override {}
    std::string SourceExecutable() const override { return exe_; }

  private:
    std::string exe_;
};

// A distributable folder as the wizard ships in: the stand-in add-on, the
// uninstall script and an executable to copy.
fs::path MakeDist(const fs::path& root) {
    fs::path dist = root / "dist";
#ifndef STANDIN_DLL
    Fail("built without the stand-in add-on: the whole install cannot be measured");
#else
    fs::create_directories(dist);
    const auto over = fs::copy_options::overwrite_existing;
    fs::copy_file(STANDIN_DLL, dist / "VortanBar.dll", over);
    fs::copy_file(UNINSTALL_BAT, dist / "uninstall.bat", over);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    fs::copy_file(self, dist / "VortanBarSetup.exe", over);
    return dist;
#endif
}

struct Case {
    InstallerSettings settings;
    bench::RawSettings raw;
    std::vector<bench::RawEntry> rawEntries;
};

Case MakeCase(long size, const std::string& installPath) {
    Case c;
    c.settings.InstallPath = installPath;
    c.settings.ServerAddress = "10.20.30.40";
    c.settings.UseGoogle = false;
    c.raw = {vcl::Widen(installPath), vcl::Widen(c.settings.ServerAddress), false};
    for (long i = 0; i < size; ++i) {
        TVortan entry{std::to_string(100000 + i), "пароль-" + std::to_string(i)};
        c.rawEntries.push_back({vcl::Widen(entry.Pult), vcl::Widen(entry.Password)});
        c.settings.Pults.Append(std::move(entry));
    }
    return c;
}

void OursRegistry(const InstallerSettings& s) {
    SaveSettings(s.InstallPath, s.ServerAddress, s.UseGoogle);
    for (const TVortan& entry : s.Pults) {
        SavePultPassword(entry.Pult, entry.Password);
    }
}

// Both sides start from the key a previous install of the same list left, and
// each leaves it so again. Which side goes first alternates run by run.
template <class Ours, class Raw>
void Pair(const char* measure, long size, int run, Ours ours, Raw raw) {
    const bool oursFirst = run % 2 == 0;
    for (int side = 0; side < 2; ++side) {
        if ((side == 0) == oursFirst) {
            bench::Row(measure, size, "ours", run, bench::TimeMs(ours));
        } else {
            bench::Row(measure, size, "raw", run, bench::TimeMs(raw));
        }
    }
}

void CheckStored(const Case& c, long size) {
    InstallerSettings loaded;
    LoadSettings(loaded);
    if (static_cast<long>(loaded.Pults.Count()) != size ||
        loaded.ServerAddress != c.settings.ServerAddress) {
        Fail("the install did not store " + std::to_string(size) + " entries");
    }
}

int Run(int argc, char** argv) {
    std::vector<long> sizes = {1, 100, 1000, 10000};
    std::vector<long> runs = {31, 21, 11, 7};
    std::string parts = "install,whole,load";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--sizes") {
            sizes = Numbers(argv[i + 1]);
        } else if (flag == "--runs") {
            runs = Numbers(argv[i + 1]);
        } else if (flag == "--parts") {
            parts = argv[i + 1];
        }
    }
    const auto has = [&](const char* part) { return parts.find(part) != std::string::npos; };

    const fs::path root = fs::temp_directory_path() / "vortanbar-bench";
    const fs::path dist = has("whole") ? MakeDist(root) : root;
    const fs::path target = root / "Вортан Бар";
    const std::string installPath = Utf8(target);
    const std::string exe = Utf8(dist / "VortanBarSetup.exe");
    const std::wstring distFolder = dist.wstring() + L"\\";
    BenchHost host(exe);

    std::vector<Case> cases;
    int most = 0;
    for (size_t k = 0; k < sizes.size(); ++k) {
        cases.push_back(MakeCase(sizes[k], installPath));
        most = std::max(most, static_cast<int>(k < runs.size() ? runs[k] : runs.back()));
    }
    // Sizes take turns within a run, so a drift of the machine's speed falls on
    // every size alike and the growth from one size to the next stays honest.
    for (int run = 0; run < most; ++run) {
        for (size_t k = 0; k < sizes.size(); ++k) {
            const long size = sizes[k];
            if (run >= (k < runs.size() ? runs[k] : runs.back())) {
                continue;
            }
            const Case& c = cases[k];
            bench::RawPopulate(c.raw, c.rawEntries);
            if (has("install")) {
                Pair(
                    "install_registry", size, run, [&] { OursRegistry(c.settings); },
                    [&] { bench::RawInstallRegistry(c.raw, c.rawEntries); });
            }
            if (has("whole")) {
                Pair(
                    "install_whole", size, run, [&] { RunInstall(c.settings, host); },
                    [&] {
                        bench::RawInstallRegistry(c.raw, c.rawEntries);
                        if (bench::RawDeploy(c.raw.installPath, distFolder,
                                             L"VortanBarSetup.exe") != 0) {
                            Fail("regsvr32 failed in the bare deploy");
                        }
                    });
                CheckStored(c, size);
            }
            if (has("load")) {
                size_t ours = 0;
                size_t raw = 0;
                Pair(
                    "load", size, run,
                    [&] {
                        InstallerSettings s;
                        LoadSettings(s);
                        ours = s.Pults.Count();
                    },
                    [&] {
                        bench::RawSettings s;
                        std::vector<bench::RawEntry> entries;
                        raw = bench::RawLoad(s, entries);
                    });
                if (static_cast<long>(ours) != size || static_cast<long>(raw) != size) {
                    Fail("a load missed entries at " + std::to_string(size));
                }
            }
        }
    }
    bench::RawRemoveProduct();
    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}
