#include "vcl/registry.h"
#include "vcl/registry_snapshot.h"

#include "support/scratch.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Registry, OpenWithoutCreateCreatesNothingAndTrailingBackslashNamesTheKey) {
    ScratchHkcu hkcu;
    vcl::TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("A\\B\\", false));
    EXPECT_FALSE(KeyExists(L"A"));
    EXPECT_TRUE(reg.OpenKey("A\\B\\", true));
    reg.WriteString("v", "x");
    reg.CloseKey();
    EXPECT_EQ(ReadRaw(L"A\\B", L"v"), Sz(L"x"));
    EXPECT_TRUE(reg.OpenKey("A\\B", false));
    EXPECT_TRUE(reg.ValueExists("v"));
    EXPECT_FALSE(reg.ValueExists("w"));
}

TEST(Registry, DeleteKeyTakesTheWholeTree) {
    ScratchHkcu hkcu;
    for (const wchar_t* k : {L"P\\a\\x", L"P\\a\\y", L"P\\b", L"Q"}) {
        WriteRaw(k, L"v", REG_SZ, Sz(L"1").bytes);
    }
    vcl::TRegistry reg;
    EXPECT_TRUE(reg.DeleteKey("P\\"));
    EXPECT_FALSE(KeyExists(L"P"));
    EXPECT_TRUE(KeyExists(L"Q"));
    EXPECT_FALSE(reg.DeleteKey("P"));
}

TEST(Registry, ListsImmediateSubkeysOnly) {
    ScratchHkcu hkcu;
    for (const wchar_t* k : {L"P\\2", L"P\\10\\deep", L"P\\1"}) {
        WriteRaw(k, L"v", REG_SZ, Sz(L"1").bytes);
    }
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("P", false));
    std::vector<std::string> names = {"stale"};
    reg.GetKeyNames(names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"1", "10", "2"}));
}

TEST(RegistrySnapshot, PutsAKeyBackByteForByte) {
    ScratchHkcu hkcu;
    WriteRaw(L"P", L"sz", REG_SZ, Sz(L"текст").bytes);
    WriteRaw(L"P", L"bin", REG_BINARY, {0, 1, 2, 255});
    WriteRaw(L"P", L"", REG_DWORD, Dword(7).bytes); // the default value too
    WriteRaw(L"P\\sub\\deeper", L"x", REG_EXPAND_SZ, Sz(L"%TEMP%").bytes);
    const auto before = vcl::RegistrySnapshot::Take("P\\");
    ASSERT_TRUE(before.Existed());

    RegDeleteTreeW(HKEY_CURRENT_USER, L"P");
    WriteRaw(L"P\\new", L"y", REG_SZ, Sz(L"junk").bytes);
    before.Restore();
    EXPECT_EQ(vcl::RegistrySnapshot::Take("P\\"), before);
    EXPECT_EQ(ReadRaw(L"P\\sub\\deeper", L"x"), (RawValue{REG_EXPAND_SZ, Sz(L"%TEMP%").bytes}));
    EXPECT_FALSE(KeyExists(L"P\\new"));

    const auto absent = vcl::RegistrySnapshot::Take("Absent");
    WriteRaw(L"Absent\\k", L"v", REG_SZ, Sz(L"1").bytes);
    absent.Restore();
    EXPECT_FALSE(KeyExists(L"Absent"));
}
