// The stand-in add-on as the registration tool sees it.
#include "package/system_tools.h"
#include "support/scratch.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

using namespace testing_support;
using namespace package_testing;
namespace fs = std::filesystem;

// What regsvr32 reports for each stand-in, and what each leaves registered.
TEST(StandIn, RegistrationOutcomes) {
    const struct {
        const char* name;
        const char* dll;
        DWORD exitCode;
        bool registered;
    } cases[] = {
        {"working stand-in", VORTANBAR_STANDIN_DLL, 0, true},
        {"failing stand-in", VORTANBAR_FAILING_DLL, 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteKey(ClassKey);
        DeleteKey(ProgIdKey);
        ScratchFolder scratch("standin");
        const fs::path dll = scratch.Path() / L"Вортан Бар" / "VortanBar.dll";
        fs::create_directories(dll.parent_path());
        fs::copy_file(c.dll, dll);
        EXPECT_EQ(Register(dll), c.exitCode);
        if (c.registered) {
            EXPECT_EQ(RegisteredServer(), dll.wstring());
            EXPECT_EQ(ReadRaw(ClassKey + L"\\InprocServer32", L"ThreadingModel"), Sz(L"Apartment"));
            EXPECT_EQ(ReadRaw(ProgIdKey + L"\\CLSID", L""), Sz(STANDIN_CLSID));
            EXPECT_EQ(
                RunSystemTool(L"regsvr32.exe", L"/u /s \"" + dll.wstring() + L"\"", SystemFolder()),
                0u);
        }
        EXPECT_FALSE(KeyExists(ClassKey));
        EXPECT_FALSE(KeyExists(ProgIdKey));
    }
}

// Whoever finds the stand-in in a folder can tell what it is from its properties.
TEST(StandIn, SaysItIsAStandIn) {
    for (const char* dll : {VORTANBAR_STANDIN_DLL, VORTANBAR_FAILING_DLL}) {
        SCOPED_TRACE(dll);
        const std::wstring path = fs::path(dll).wstring();
        DWORD ignored = 0;
        std::vector<std::uint8_t> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(info.empty());
        ASSERT_TRUE(
            GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
        void* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\041904B0\\FileDescription",
                                   &text, &length));
        EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(text)),
                  L"Stand-in for the Вортан.Бар add-on: replace it with the real one");
    }
}
