// package/uninstall.bat run by the real cmd.exe against a real registration of
// the stand-in add-on made by the real regsvr32.exe.
#include "package/system_tools.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

using namespace testing_support;
using namespace package_testing;
namespace fs = std::filesystem;

namespace {

const std::wstring Company = L"SOFTWARE\\Dremvik";
const std::wstring Product = L"SOFTWARE\\Dremvik\\VortanBar";

DWORD RunUninstall(const fs::path& script, const fs::path& cwd) {
    return RunSystemTool(L"cmd.exe", L"/c \"" + script.wstring() + L"\"", cwd);
}

// The script leaves removing itself and its folder to a helper that may finish
// a moment after the script has ended.
bool Vanishes(const fs::path& path) {
    for (int i = 0; i < 300 && fs::exists(path); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return !fs::exists(path);
}

const char* const Installed[] = {"VortanBar.dll", "VortanBarSetup.exe", "uninstall.bat"};

// An install as the wizard leaves it: the three files in a folder whose path has
// blanks and Cyrillic, the product key with its values and a console, the add-on
// registered by regsvr32.
class UninstallScript : public ::testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }

    static void Forget() {
        DeleteKey(Company);
        DeleteKey(ClassKey);
        DeleteKey(ProgIdKey);
    }

    void Install(const std::wstring& name = L"Vortan Bar") {
        folder = scratch.Path() / L"Вортан Бар" / L"Program Files" / name;
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(VORTANBAR_STANDIN_DLL, folder / "VortanBar.dll");
        fs::copy_file(VORTANBAR_UNINSTALL_BAT, folder / "uninstall.bat");
        WriteFileBytes(folder / "VortanBarSetup.exe", "MZ the wizard");
        WriteRaw(Product, L"Server Address", REG_SZ, Sz(L"10.0.0.1").bytes);
        WriteRaw(Product, L"UseGoogle", REG_DWORD, Dword(1).bytes);
        WriteRaw(Product + L"\\501", L"Password", REG_SZ, Sz(L"секрет").bytes);
        ASSERT_EQ(Register(folder / "VortanBar.dll"), 0u);
        ASSERT_EQ(RegisteredServer(), (folder / "VortanBar.dll").wstring());
    }

    // `kept` names a file of the user's in the install folder: it and the folder stay.
    void ExpectRemoved(const std::wstring& kept = L"") {
        EXPECT_FALSE(RegisteredServer());
        EXPECT_FALSE(KeyExists(ClassKey));
        EXPECT_FALSE(KeyExists(Product));
        EXPECT_TRUE(Vanishes(kept.empty() ? folder : folder / "uninstall.bat")) << folder;
        for (const char* name : Installed) {
            EXPECT_FALSE(fs::exists(folder / name)) << name;
        }
        if (!kept.empty()) {
            EXPECT_TRUE(fs::exists(folder / kept));
        }
        EXPECT_TRUE(fs::exists(folder.parent_path())); // never more than the install folder
    }

    ScratchFolder scratch{"uninstall"};
    fs::path folder;
};

struct Case {
    const char* name;
    std::wstring folderName;
    bool fromInstallFolder;    // the current folder when the script starts
    std::wstring otherProduct; // a sibling of the product key, kept
    std::wstring companyValue; // a value of the company key, kept
    std::wstring userFile;     // a file of the user's in the install folder, kept
};

const Case Cases[] = {
    {"from the install folder, company key left empty", L"Vortan Bar", true, L"", L"", L""},
    {"from elsewhere, company key left empty", L"Вортан.Бар", false, L"", L"", L""},
    {"another product of the company stays", L"Vortan Bar", true, L"Other Product", L"", L""},
    {"a value of the company key stays", L"Вортан.Бар 2", false, L"", L"Contact", L""},
    {"a file of the user keeps the folder", L"Vortan Bar", true, L"", L"", L"мои заметки.txt"},
};

} // namespace

TEST_F(UninstallScript, RemovesRegistrationSettingsFilesAndFolder) {
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.name);
        Forget();
        ASSERT_NO_FATAL_FAILURE(Install(c.folderName));
        if (!c.otherProduct.empty()) {
            WriteRaw(Company + L"\\" + c.otherProduct, L"Keep", REG_SZ, Sz(L"me").bytes);
        }
        if (!c.companyValue.empty()) {
            WriteRaw(Company, c.companyValue, REG_SZ, Sz(L"\"quoted\" & <odd>").bytes);
        }
        if (!c.userFile.empty()) {
            WriteFileBytes(folder / c.userFile, "mine");
        }
        const fs::path cwd = c.fromInstallFolder ? folder : SystemFolder();
        EXPECT_EQ(RunUninstall(folder / "uninstall.bat", cwd), 0u);
        ExpectRemoved(c.userFile);
        const bool companyKept = !c.otherProduct.empty() || !c.companyValue.empty();
        EXPECT_EQ(KeyExists(Company), companyKept);
        if (!c.otherProduct.empty()) {
            EXPECT_EQ(ReadRaw(Company + L"\\" + c.otherProduct, L"Keep"), Sz(L"me"));
        }
        if (!c.companyValue.empty()) {
            EXPECT_EQ(ReadRaw(Company, c.companyValue), Sz(L"\"quoted\" & <odd>"));
        }
    }
}

// Run again where nothing is installed any more: a lone copy of the script in an
// empty folder, no keys. It changes nothing else and reports success.
TEST_F(UninstallScript, SecondRunOnRemovedInstallIsHarmless) {
    ASSERT_NO_FATAL_FAILURE(Install());
    ASSERT_EQ(RunUninstall(folder / "uninstall.bat", folder), 0u);
    ASSERT_TRUE(Vanishes(folder));
    WriteRaw(Company + L"\\Other Product", L"Keep", REG_SZ, Sz(L"me").bytes);

    fs::create_directories(folder);
    fs::copy_file(VORTANBAR_UNINSTALL_BAT, folder / "uninstall.bat");
    EXPECT_EQ(RunUninstall(folder / "uninstall.bat", folder), 0u);
    EXPECT_TRUE(Vanishes(folder));
    EXPECT_EQ(ReadRaw(Company + L"\\Other Product", L"Keep"), Sz(L"me"));
    EXPECT_FALSE(RegisteredServer());
}

// The add-on loaded by a running browser cannot be deleted: the script says so,
// fails, and keeps itself so that it can be run again once the browser is closed.
TEST_F(UninstallScript, AddOnInUseFailsAndCanBeRunAgain) {
    ASSERT_NO_FATAL_FAILURE(Install());
    HMODULE loaded = LoadLibraryW((folder / "VortanBar.dll").c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(RunUninstall(folder / "uninstall.bat", SystemFolder()), 1u);
    EXPECT_FALSE(RegisteredServer());
    EXPECT_FALSE(KeyExists(Product));
    EXPECT_TRUE(fs::exists(folder / "VortanBar.dll"));
    EXPECT_TRUE(fs::exists(folder / "uninstall.bat"));
    FreeLibrary(loaded);

    EXPECT_EQ(RunUninstall(folder / "uninstall.bat", SystemFolder()), 0u);
    ExpectRemoved();
}
