#include "settings/settings_store.h"

#include "support/scratch.h"
#include "vcl/exception.h"

#include <gtest/gtest.h>

#include <sddl.h>

using namespace testing_support;

namespace {

const std::wstring Product = L"SOFTWARE\\Dremvik\\VortanBar";

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

class SettingsStore : public ::testing::Test {
  protected:
    ScratchHkcu hkcu;
    InstallerSettings defaults = DefaultSettings(std::string("C:\\Program Files"));
};

std::string LoadError() {
    InstallerSettings s;
    try {
        LoadSettings(s);
    } catch (const vcl::ERegistryException& e) {
        return e.Message();
    }
    return "no error";
}

} // namespace

TEST_F(SettingsStore, MissingKeyKeepsDefaultsAndCreatesNothing) {
    InstallerSettings s = defaults;
    LoadSettings(s);
    EXPECT_EQ(s.InstallPath, defaults.InstallPath);
    EXPECT_EQ(s.ServerAddress, defaults.ServerAddress);
    EXPECT_TRUE(s.UseGoogle);
    EXPECT_TRUE(s.Pults.Empty());
    EXPECT_FALSE(KeyExists(L"SOFTWARE\\Dremvik"));
}

TEST_F(SettingsStore, RoundTripKeepsEveryFieldAndStoresUtf16Text) {
    // Cyrillic, and text no ANSI code page holds (Greek, a star, a CJK sign).
    const std::string path = "D:\\Программы\\Вортан Ελλάδα★";
    const std::string server = "сервер.пример:8080 中";
    SaveSettings(path, server, false);
    SavePultPassword("Пульт 7", "пароль★");
    SavePultPassword("12", "");

    EXPECT_EQ(ReadRaw(Product, L"Install Path"), Sz(L"D:\\Программы\\Вортан Ελλάδα★"));
    EXPECT_EQ(ReadRaw(Product, L"Server Address"), Sz(L"сервер.пример:8080 中"));
    EXPECT_EQ(ReadRaw(Product, L"UseGoogle"), Dword(0));
    EXPECT_EQ(ReadRaw(Product + L"\\Пульт 7", L"Password"), Sz(L"пароль★"));
    EXPECT_EQ(ReadRaw(Product + L"\\12", L"Password"), Sz(L""));

    InstallerSettings back = defaults;
    LoadSettings(back);
    EXPECT_EQ(back.InstallPath, path);
    EXPECT_EQ(back.ServerAddress, server);
    EXPECT_FALSE(back.UseGoogle);
    // The registry enumerates subkeys in an order of its own; compare as a set.
    ASSERT_EQ(back.Pults.Count(), 2u);
    std::vector<TVortan> got(back.Pults.begin(), back.Pults.end());
    EXPECT_NE(std::find(got.begin(), got.end(), TVortan{"Пульт 7", "пароль★"}), got.end());
    EXPECT_NE(std::find(got.begin(), got.end(), TVortan{"12", ""}), got.end());
}

TEST_F(SettingsStore, AnsiReaderSeesTextAndOneZeroByte) {
    SaveSettings("C:\\VB", "10.1.2.3", true);
    EXPECT_EQ(ReadRawAnsi("SOFTWARE\\Dremvik\\VortanBar", "Server Address"),
              (RawValue{REG_SZ, Bytes(std::string("10.1.2.3") + '\0')}));
    EXPECT_EQ(ReadRaw(Product, L"UseGoogle"), Dword(1));
}

TEST_F(SettingsStore, SaveLeavesExactlyTheProductLayout) {
    WriteRaw(Product, L"Foreign", REG_SZ, Sz(L"x").bytes);
    WriteRaw(Product + L"\\old\\deeper", L"Password", REG_SZ, Sz(L"gone").bytes);
    WriteRaw(Product + L"\\7", L"Extra", REG_DWORD, Dword(3).bytes);

    SaveSettings("C:\\VB", "10.0.0.1", true);
    SavePultPassword("7", "A");
    SavePultPassword("8", "x");
    SavePultPassword("7", "B"); // a duplicate number: the last password wins

    EXPECT_EQ(ValueNames(Product),
              (std::vector<std::wstring>{L"Install Path", L"Server Address", L"UseGoogle"}));
    EXPECT_EQ(SubkeyNames(Product), (std::vector<std::wstring>{L"7", L"8"}));
    EXPECT_EQ(ValueNames(Product + L"\\7"), (std::vector<std::wstring>{L"Password"}));
    EXPECT_EQ(ReadRaw(Product + L"\\7", L"Password"), Sz(L"B"));

    InstallerSettings back = defaults;
    LoadSettings(back);
    EXPECT_EQ(back.Pults.Count(), 2u);
}

TEST_F(SettingsStore, StoredValuesReplaceDefaultsEvenWhenEmpty) {
    WriteRaw(Product, L"UseGoogle", REG_DWORD, Dword(0).bytes);
    InstallerSettings onlyFlag = defaults;
    LoadSettings(onlyFlag);
    EXPECT_FALSE(onlyFlag.UseGoogle);
    EXPECT_EQ(onlyFlag.InstallPath, defaults.InstallPath);
    EXPECT_EQ(onlyFlag.ServerAddress, defaults.ServerAddress);

    WriteRaw(Product, L"Server Address", REG_SZ, Sz(L"").bytes);
    WriteRaw(Product, L"UseGoogle", REG_DWORD, Dword(5).bytes);
    InstallerSettings s = defaults;
    LoadSettings(s);
    EXPECT_EQ(s.ServerAddress, "");
    EXPECT_TRUE(s.UseGoogle); // any non-zero is true...
    SaveSettings(s.InstallPath, s.ServerAddress, s.UseGoogle);
    EXPECT_EQ(ReadRaw(Product, L"UseGoogle"), Dword(1)); // ...and is written back as 1
}

TEST_F(SettingsStore, ExpandableTextIsReadAsStoredAndWrittenBackPlain) {
    WriteRaw(Product, L"Install Path", REG_EXPAND_SZ, Sz(L"%USERPROFILE%\\VB").bytes);
    InstallerSettings s = defaults;
    LoadSettings(s);
    EXPECT_EQ(s.InstallPath, "%USERPROFILE%\\VB");
    SaveSettings(s.InstallPath, s.ServerAddress, s.UseGoogle);
    EXPECT_EQ(ReadRaw(Product, L"Install Path"), Sz(L"%USERPROFILE%\\VB"));
}

TEST_F(SettingsStore, ConsoleWithoutPasswordLoadsEmptyAndIsWrittenBackEmpty) {
    WriteRaw(Product + L"\\5", L"Other", REG_SZ, Sz(L"x").bytes);
    InstallerSettings s = defaults;
    LoadSettings(s);
    ASSERT_EQ(s.Pults.Count(), 1u);
    EXPECT_EQ(s.Pults.At(0), (TVortan{"5", ""}));

    SaveSettings(s.InstallPath, s.ServerAddress, s.UseGoogle);
    SavePultPassword(s.Pults.At(0).Pult, s.Pults.At(0).Password);
    EXPECT_EQ(ReadRaw(Product + L"\\5", L"Password"), (RawValue{REG_SZ, {0, 0}}));
}

TEST_F(SettingsStore, TextReadsUpToTheFirstZero) {
    const std::vector<std::uint8_t> embedded = {'a', 0, 'b', 0, 0, 0, 'c', 0};
    WriteRaw(Product, L"Server Address", REG_SZ, embedded);
    InstallerSettings s = defaults;
    LoadSettings(s);
    EXPECT_EQ(s.ServerAddress, "ab");
}

struct WrongType {
    const wchar_t* key;
    const wchar_t* value;
    DWORD type;
    std::vector<std::uint8_t> data;
    const char* message;
};

TEST_F(SettingsStore, WrongTypedValuesStopTheLoadWithTheirMessage) {
    const WrongType cases[] = {
        {L"", L"UseGoogle", REG_SZ, Sz(L"1").bytes, "Invalid data type for 'UseGoogle'"},
        {L"", L"UseGoogle", REG_SZ, Sz(L"true").bytes, "Failed to get data for 'UseGoogle'"},
        {L"", L"UseGoogle", REG_QWORD, std::vector<std::uint8_t>(8, 1),
         "Failed to get data for 'UseGoogle'"},
        {L"", L"UseGoogle", REG_BINARY, {1, 0, 0, 0}, "Invalid data type for 'UseGoogle'"},
        {L"", L"Server Address", REG_DWORD, Dword(1).bytes,
         "Invalid data type for 'Server Address'"},
        {L"", L"Install Path", REG_MULTI_SZ, Sz(L"a").bytes,
         "Invalid data type for 'Install Path'"},
        {L"\\3", L"Password", REG_BINARY, {1, 2}, "Invalid data type for 'Password'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE");
        WriteRaw(Product + c.key, c.value, c.type, c.data);
        EXPECT_EQ(LoadError(), c.message);
    }
}

TEST_F(SettingsStore, KeyThatCannotBeOpenedWithFullAccessReadsNothing) {
    WriteRaw(Product, L"Server Address", REG_SZ, Sz(L"10.9.9.9").bytes);
    // Readable, but not writable: full access is refused, so nothing is read.
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:(D;CI;0x2;;;WD)(A;CI;KA;;;WD)", SDDL_REVISION_1, &sd, nullptr));
    HKEY h = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Product.c_str(), 0, WRITE_DAC, &h), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeySecurity(h, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
    RegCloseKey(h);
    LocalFree(sd);

    InstallerSettings s = defaults;
    LoadSettings(s);
    EXPECT_EQ(s.ServerAddress, defaults.ServerAddress);
}

TEST_F(SettingsStore, KeysThatCannotBeCreatedRaiseInsteadOfWritingNothing) {
    // Below a volatile key no lasting key can be created.
    WriteRaw(L"SOFTWARE", L"keep", REG_DWORD, Dword(1).bytes);
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik", 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(h);
    try {
        SaveSettings("C:\\VB", "10.0.0.1", true);
        FAIL() << "no error";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to create key 'SOFTWARE\\Dremvik\\VortanBar\\'");
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");

    SaveSettings("C:\\VB", "10.0.0.1", true);
    const std::string tooLong(300, '9'); // longer than a key name may be
    try {
        SavePultPassword(tooLong, "x");
        FAIL() << "no error";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(),
                  "Failed to create key 'SOFTWARE\\Dremvik\\VortanBar\\" + tooLong + "'");
    }
}
