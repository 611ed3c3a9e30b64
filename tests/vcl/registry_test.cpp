#include "vcl/exception.h"
#include "vcl/registry.h"
#include "vcl/registry_aside.h"
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

// Short texts are read with one query and long ones with two; at the boundary
// and past it the text and the errors must be the same.
TEST(Registry, ReadStringGivesTheSameAtEveryLength) {
    ScratchHkcu hkcu;
    struct Case {
        const char* what;
        DWORD type;
        std::vector<std::uint8_t> data;
        std::string text; // expected, unless it raises
        bool raises;
    };
    const auto text = [](size_t units) {
        std::wstring w(units, L'ж');
        if (units > 0) {
            w.back() = L'z';
        }
        return w;
    };
    const auto narrow = [](size_t units) {
        std::string s;
        for (size_t i = 0; i + 1 < units; ++i) {
            s += "ж";
        }
        return units > 0 ? s + "z" : s;
    };
    std::vector<Case> cases = {
        {"empty data", REG_SZ, {}, "", false},
        {"odd size, no zero", REG_SZ, {'a', 0, 'b'}, "ab", false},
        {"short binary", REG_BINARY, {1, 2}, "", true},
        {"long binary", REG_BINARY, std::vector<std::uint8_t>(2000, 7), "", true},
    };
    for (size_t units : {1, 255, 256, 257, 4000}) {
        cases.push_back({"text", REG_SZ, Sz(text(units)).bytes, narrow(units), false});
    }
    auto unterminated = Sz(text(256)).bytes;
    unterminated.resize(512); // exactly the short buffer, without the zero
    cases.push_back({"256 units, no zero", REG_SZ, unterminated, narrow(256), false});
    auto expandable = Sz(L"%TEMP%" + text(300)).bytes;
    cases.push_back({"long expandable", REG_EXPAND_SZ, expandable, "%TEMP%" + narrow(300), false});

    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.what) + " " + std::to_string(c.data.size()));
        WriteRaw(L"P", L"v", c.type, c.data);
        vcl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("P", false));
        if (c.raises) {
            EXPECT_THROW(reg.ReadString("v"), vcl::ERegistryException);
            EXPECT_THROW(reg.ReadStringIfExists("v"), vcl::ERegistryException);
        } else {
            EXPECT_EQ(reg.ReadString("v"), c.text);
            EXPECT_EQ(reg.ReadStringIfExists("v"), std::optional<std::string>(c.text));
        }
        EXPECT_EQ(reg.ReadString("missing"), "");
        EXPECT_EQ(reg.ReadStringIfExists("missing"), std::nullopt);
    }
}

TEST(Registry, ReadBoolIfExistsAnswersAsValueExistsThenReadBool) {
    ScratchHkcu hkcu;
    struct Case {
        DWORD type;
        std::vector<std::uint8_t> data;
        const char* outcome; // "true", "false" or the message raised
    };
    const Case cases[] = {
        {REG_DWORD, Dword(5).bytes, "true"},
        {REG_DWORD, Dword(0).bytes, "false"},
        {REG_QWORD, std::vector<std::uint8_t>(8, 1), "Failed to get data for 'v'"},
        {REG_SZ, Sz(L"1").bytes, "Invalid data type for 'v'"},
        {REG_SZ, Sz(L"true").bytes, "Failed to get data for 'v'"},
        {REG_BINARY, {1, 0, 0, 0}, "Invalid data type for 'v'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.outcome);
        WriteRaw(L"P", L"v", c.type, c.data);
        vcl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("P", false));
        const auto twoSteps = [&]() -> std::string {
            try {
                return reg.ReadBool("v") ? "true" : "false";
            } catch (const vcl::ERegistryException& e) {
                return e.Message();
            }
        };
        const auto oneQuery = [&]() -> std::string {
            try {
                const auto value = reg.ReadBoolIfExists("v");
                return !value ? "missing" : (*value ? "true" : "false");
            } catch (const vcl::ERegistryException& e) {
                return e.Message();
            }
        };
        EXPECT_EQ(twoSteps(), c.outcome);
        EXPECT_EQ(oneQuery(), c.outcome);
        EXPECT_EQ(reg.ReadBoolIfExists("missing"), std::nullopt);
    }
}

TEST(RegistryAside, PutsTheKeyBackByteForByteOrDropsIt) {
    ScratchHkcu hkcu;
    WriteRaw(L"P.previous\\stale", L"v", REG_SZ, Sz(L"left by a cut-short run").bytes);
    WriteRaw(L"P", L"sz", REG_SZ, Sz(L"текст").bytes);
    WriteRaw(L"P", L"bin", REG_BINARY, {0, 1, 2, 255});
    WriteRaw(L"P\\sub\\deeper", L"x", REG_EXPAND_SZ, Sz(L"%TEMP%").bytes);
    const auto before = vcl::RegistrySnapshot::Take("P");

    auto aside = vcl::RegistryAside::Take("P\\");
    EXPECT_FALSE(KeyExists(L"P"));
    WriteRaw(L"P\\new", L"y", REG_SZ, Sz(L"half written").bytes);
    aside.PutBack();
    EXPECT_EQ(vcl::RegistrySnapshot::Take("P"), before);
    EXPECT_FALSE(KeyExists(L"P.previous"));

    auto again = vcl::RegistryAside::Take("P");
    WriteRaw(L"P", L"fresh", REG_SZ, Sz(L"1").bytes);
    again.Drop();
    EXPECT_EQ(ValueNames(L"P"), std::vector<std::wstring>{L"fresh"});
    EXPECT_TRUE(SubkeyNames(L"P").empty());
    EXPECT_FALSE(KeyExists(L"P.previous"));

    auto absent = vcl::RegistryAside::Take("Absent");
    WriteRaw(L"Absent\\k", L"v", REG_SZ, Sz(L"1").bytes);
    absent.PutBack();
    EXPECT_FALSE(KeyExists(L"Absent"));
}
