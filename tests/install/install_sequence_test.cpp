#include "install/install_sequence.h"

#include "support/scratch.h"
#include "support/standin_registration.h"
#include "vcl/registry_snapshot.h"
#include "vcl/text.h"

#include <gtest/gtest.h>

#include <functional>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::wstring Product = L"SOFTWARE\\Dremvik\\VortanBar";
const std::string Closing = "\r\n Программа установки будет закрыта.";

class FakeHost : public InstallHost {
  public:
    vcl::NativeWindow OwnerWindow() const override { return nullptr; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void CloseMainForm() override { ++closed; }
    std::string SourceExecutable() const override { return exe; }

    std::string exe;
    std::vector<std::string> errors;
    int closed = 0;
};

void ForgetProduct() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");
}

std::string Utf8(const fs::path& p) {
    const auto u8 = p.u8string();
    return {u8.begin(), u8.end()};
}

// The regsvr32 the wizard starts and the stand-in's registration live in the
// prefix's real HKEY_CURRENT_USER, so these tests use it and clean it up.
class Install : public ::testing::Test {
  public:
    void SetUp() override {
        ForgetProduct();
        ForgetRegistration();
        fs::copy_file(VORTANBAR_STANDIN_DLL, dist.Path() / "VortanBar.dll");
        WriteFileBytes(dist.Path() / "uninstall.bat", "@echo off\r\nrem uninstall\r\n");
        WriteFileBytes(dist.Path() / "VortanBarSetup.exe", "MZ the wizard");
        host.exe = Utf8(dist.Path() / "VortanBarSetup.exe");
        settings.InstallPath = Utf8(target.Path() / "Вортан Бар");
        settings.ServerAddress = "10.20.30.40";
        settings.UseGoogle = false;
        settings.Pults.Append({"101", "первый"});
        settings.Pults.Append({"102", "второй"});
    }
    void TearDown() override {
        SetCurrentDirectoryW(L"C:\\");
        ForgetProduct();
        ForgetRegistration();
    }

    // A previous install that a failure must leave exactly as it was.
    void WritePreviousInstall() {
        WriteRaw(Product, L"Server Address", REG_SZ, Sz(L"10.0.0.9").bytes);
        WriteRaw(Product, L"Install Path", REG_SZ, Sz(L"C:\\Old").bytes);
        WriteRaw(Product, L"UseGoogle", REG_DWORD, Dword(1).bytes);
        WriteRaw(Product, L"Foreign", REG_BINARY, {1, 2, 3});
        WriteRaw(Product + L"\\9", L"Password", REG_SZ, Sz(L"старый").bytes);
    }

    void ExpectInstalledAt(const fs::path& folder) {
        EXPECT_EQ(host.errors, std::vector<std::string>{});
        EXPECT_EQ(host.closed, 0);
        for (const char* name : {"VortanBar.dll", "uninstall.bat", "VortanBarSetup.exe"}) {
            SCOPED_TRACE(name);
            ASSERT_TRUE(fs::exists(folder / name));
            EXPECT_EQ(FileBytes(folder / name), FileBytes(dist.Path() / name));
        }
        const auto server = RegisteredServer();
        ASSERT_TRUE(server);
        EXPECT_TRUE(fs::equivalent(*server, folder / "VortanBar.dll"));
    }

    ScratchFolder dist{"dist dir"};
    ScratchFolder target{"target dir"};
    FakeHost host;
    InstallerSettings settings;
};

} // namespace

TEST_F(Install, DeploysRegistersAndStoresEverything) {
    WritePreviousInstall();
    EXPECT_TRUE(RunInstall(settings, host));
    ExpectInstalledAt(target.Path() / "Вортан Бар");

    EXPECT_EQ(ValueNames(Product),
              (std::vector<std::wstring>{L"Install Path", L"Server Address", L"UseGoogle"}));
    EXPECT_EQ(ReadRaw(Product, L"Install Path"), Sz(vcl::Widen(settings.InstallPath)));
    EXPECT_EQ(ReadRaw(Product, L"Server Address"), Sz(L"10.20.30.40"));
    EXPECT_EQ(ReadRaw(Product, L"UseGoogle"), Dword(0));
    EXPECT_EQ(SubkeyNames(Product), (std::vector<std::wstring>{L"101", L"102"}));
    EXPECT_EQ(ReadRaw(Product + L"\\101", L"Password"), Sz(L"первый"));
    EXPECT_EQ(ReadRaw(Product + L"\\102", L"Password"), Sz(L"второй"));
    // Nothing of the previous install is left beside the product key.
    EXPECT_EQ(SubkeyNames(L"SOFTWARE\\Dremvik"), std::vector<std::wstring>{L"VortanBar"});
}

TEST_F(Install, ReplacesFilesInAnExistingFolderGivenWithATrailingBackslash) {
    const fs::path folder = target.Path() / "existing";
    fs::create_directories(folder);
    for (const char* name : {"VortanBar.dll", "uninstall.bat", "VortanBarSetup.exe"}) {
        WriteFileBytes(folder / name, "old content");
    }
    settings.InstallPath = Utf8(folder) + "\\";
    EXPECT_TRUE(RunInstall(settings, host));
    ExpectInstalledAt(folder);
}

TEST_F(Install, RelativeFolderIsTakenFromTheCurrentFolder) {
    ASSERT_TRUE(SetCurrentDirectoryW(target.Path().c_str()));
    settings.InstallPath = "relative dir";
    EXPECT_TRUE(RunInstall(settings, host));
    ExpectInstalledAt(target.Path() / "relative dir");
}

TEST_F(Install, RunFromItsOwnFolderLeavesTheFilesAsTheyAre) {
    // Spelled differently from the source path, but the same folder.
    settings.InstallPath = Utf8(dist.Path()) + "\\\\.";
    const auto dllBefore = FileBytes(dist.Path() / "VortanBar.dll");
    EXPECT_TRUE(RunInstall(settings, host));
    ExpectInstalledAt(dist.Path());
    EXPECT_EQ(FileBytes(dist.Path() / "VortanBar.dll"), dllBefore);
    EXPECT_EQ(SubkeyNames(Product).size(), 2u);
}

TEST_F(Install, NeverStartsAPlantedRegistrationTool) {
    const fs::path here = target.Path() / "cwd";
    fs::create_directories(here);
    fs::copy_file(FAKE_TOOL, dist.Path() / "regsvr32.exe");
    fs::copy_file(FAKE_TOOL, here / "regsvr32.exe");
    ASSERT_TRUE(SetCurrentDirectoryW(here.c_str()));
    EXPECT_TRUE(RunInstall(settings, host));
    ExpectInstalledAt(target.Path() / "Вортан Бар");
    EXPECT_FALSE(fs::exists(dist.Path() / "regsvr32.exe.ran"));
    EXPECT_FALSE(fs::exists(here / "regsvr32.exe.ran"));
}

struct FailureCase {
    const char* what;
    std::function<void(Install&, InstallerSettings&, fs::path&)> arrange;
    std::string message;
    bool copied;     // whether the three files were in place before the failure
    bool registered; // whether the add-on got registered before the failure
};

class InstallFailure : public Install {
  public:
    void Check(const FailureCase& c) {
        SCOPED_TRACE(c.what);
        WritePreviousInstall();
        const auto before = vcl::RegistrySnapshot::Take("SOFTWARE\\Dremvik\\VortanBar");
        fs::path folder = target.Path() / "Вортан Бар";
        c.arrange(*this, settings, folder);

        EXPECT_FALSE(RunInstall(settings, host));
        EXPECT_EQ(host.errors, std::vector<std::string>{c.message + Closing});
        EXPECT_EQ(host.closed, 1);
        // The previous install's settings and consoles are back, byte for byte.
        EXPECT_EQ(vcl::RegistrySnapshot::Take("SOFTWARE\\Dremvik\\VortanBar"), before);
        EXPECT_EQ(SubkeyNames(L"SOFTWARE\\Dremvik"), std::vector<std::wstring>{L"VortanBar"});
        EXPECT_EQ(RegisteredServer().has_value(), c.registered);
        EXPECT_EQ(fs::exists(folder / "VortanBarSetup.exe"), c.copied);
    }
};

TEST_F(InstallFailure, ParentFolderMissing) {
    Check({"parent missing",
           [](Install&, InstallerSettings& s, fs::path& folder) {
               s.InstallPath += "\\deeper";
               folder /= "deeper";
           },
           "Невозможно создать директорию", false, false});
}

TEST_F(InstallFailure, FileWhereTheFolderShouldBe) {
    Check({"file in the way",
           [](Install& t, InstallerSettings& s, fs::path& folder) {
               folder = t.target.Path() / "a file";
               WriteFileBytes(folder, "x");
               s.InstallPath = Utf8(folder);
           },
           "Невозможно создать директорию", false, false});
}

TEST_F(InstallFailure, UninstallScriptMissing) {
    Check({"no uninstall.bat",
           [](Install& t, InstallerSettings&, fs::path&) {
               fs::remove(t.dist.Path() / "uninstall.bat");
           },
           "Невозможно скопировать файл uninstall.bat", false, false});
}

TEST_F(InstallFailure, AddOnMissing) {
    Check({"no VortanBar.dll",
           [](Install& t, InstallerSettings&, fs::path&) {
               fs::remove(t.dist.Path() / "VortanBar.dll");
           },
           "Невозможно скопировать файл VortanBar.dll", false, false});
}

TEST_F(InstallFailure, TargetHeldOpenByAnotherProgram) {
    HANDLE held = INVALID_HANDLE_VALUE;
    Check({"target held open",
           [&held](Install&, InstallerSettings&, fs::path& folder) {
               fs::create_directories(folder);
               held = CreateFileW((folder / "uninstall.bat").c_str(), GENERIC_READ | GENERIC_WRITE,
                                  0, nullptr, CREATE_ALWAYS, 0, nullptr);
               ASSERT_NE(held, INVALID_HANDLE_VALUE);
           },
           "Невозможно скопировать файл uninstall.bat", false, false});
    CloseHandle(held);
}

TEST_F(InstallFailure, RegistrationFails) {
    Check({"registration fails",
           [](Install& t, InstallerSettings&, fs::path&) {
               fs::copy_file(VORTANBAR_FAILING_DLL, t.dist.Path() / "VortanBar.dll",
                             fs::copy_options::overwrite_existing);
           },
           "Невозможно зарегистрировать Вортан.Бар в системе", true, false});
}

TEST_F(InstallFailure, ConsoleKeyCannotBeCreated) {
    const std::string tooLong(300, '7');
    Check({"console number too long for a key",
           [&tooLong](Install&, InstallerSettings& s, fs::path&) {
               s.Pults.Append({tooLong, "x"});
           },
           "Failed to create key 'SOFTWARE\\Dremvik\\VortanBar\\" + tooLong + "'", true, true});
}

TEST_F(Install, SettingsThatCannotBeStoredStopBeforeAnyFileIsTouched) {
    // Below a volatile key no lasting product key can be created.
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(h);
    EXPECT_FALSE(RunInstall(settings, host));
    EXPECT_EQ(host.errors, std::vector<std::string>{
                               "Failed to create key 'SOFTWARE\\Dremvik\\VortanBar\\'" + Closing});
    EXPECT_EQ(host.closed, 1);
    EXPECT_FALSE(fs::exists(settings.InstallPath));
    EXPECT_FALSE(RegisteredServer());
    EXPECT_FALSE(KeyExists(Product));
}
