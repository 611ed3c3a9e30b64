// The real program started as a child process: the start-up error display, the
// exit code on every way out, and a command line that changes nothing. The
// child uses the prefix's real HKEY_CURRENT_USER, so the product key is cleaned
// before and after each test.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const wchar_t* const ProductKey = L"SOFTWARE\\Dremvik\\VortanBar";
const wchar_t* const WizardCaption = L"Установка Вортан.Бар";

std::wstring Wide(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, out.data(), n);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

std::wstring TextOf(HWND h) {
    wchar_t text[1024] = {};
    GetWindowTextW(h, text, 1024);
    return text;
}

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::vector<HWND> TopLevelOf(DWORD pid, bool visibleOnly) {
    struct Search {
        DWORD pid;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{pid, visibleOnly, {}};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p); // NOLINT(performance-no-int-to-ptr)
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == s->pid && (!s->visibleOnly || IsWindowVisible(w) != FALSE)) {
                s->found.push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChild(HWND parent, const std::wstring& cls, const std::wstring& text) {
    struct Search {
        std::wstring cls;
        std::wstring text;
        HWND found;
    } search{cls, text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p); // NOLINT(performance-no-int-to-ptr)
            if (ClassOf(w) == s->cls && TextOf(w) == s->text && IsWindowVisible(w) != FALSE) {
                s->found = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CleanProductKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, ProductKey);
}

class Wizard {
  public:
    explicit Wizard(const std::wstring& arguments = L"") {
        const std::wstring exe = Wide(WIZARD_EXE);
        std::wstring command = L"\"" + exe + L"\"" + arguments;
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &si, &pi_) == FALSE) {
            ADD_FAILURE() << "cannot start the wizard: " << GetLastError();
        }
    }
    ~Wizard() {
        if (pi_.hProcess != nullptr) {
            if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(pi_.hProcess, 99);
                WaitForSingleObject(pi_.hProcess, 5000);
            }
            CloseHandle(pi_.hThread);
            CloseHandle(pi_.hProcess);
        }
    }
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    // The first visible top-level window of the program that `wanted` accepts.
    HWND WaitFor(const std::function<bool(HWND)>& wanted, DWORD timeoutMs = 20000) {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            for (HWND w : TopLevelOf(pi_.dwProcessId, true)) {
                if (wanted(w)) {
                    return w;
                }
            }
            if (WaitForSingleObject(pi_.hProcess, 50) == WAIT_OBJECT_0) {
                return nullptr;
            }
        }
        return nullptr;
    }
    HWND WaitForCaption(const std::wstring& caption) {
        return WaitFor([&](HWND w) { return TextOf(w) == caption; });
    }
    HWND WaitForBox() {
        return WaitFor([](HWND w) { return ClassOf(w) == L"#32770"; });
    }
    DWORD ExitCode(DWORD timeoutMs = 20000) {
        if (WaitForSingleObject(pi_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
            return STILL_ACTIVE;
        }
        DWORD code = 0;
        GetExitCodeProcess(pi_.hProcess, &code);
        return code;
    }
    DWORD Pid() const { return pi_.dwProcessId; }

  private:
    PROCESS_INFORMATION pi_{};
};

class StartupTest : public ::testing::Test {
  public:
    ~StartupTest() override { CleanProductKey(); }

  protected:
    StartupTest() { CleanProductKey(); }
};

} // namespace

TEST_F(StartupTest, AWrongTypedSettingIsShownCaptionedWithTheTitleAndNoWizardOpens) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, ProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t text[] = L"yes";
    RegSetValueExW(key, L"UseGoogle", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    RegCloseKey(key);

    Wizard wizard;
    HWND box = wizard.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(box), L"Установщик Вортан.Бар");
    // Text where a flag belongs: the registry class names the value either way.
    const std::wstring message = TextOf(GetDlgItem(box, 0xFFFF));
    EXPECT_TRUE(message == L"Invalid data type for 'UseGoogle'" ||
                message == L"Failed to get data for 'UseGoogle'");
    for (HWND w : TopLevelOf(wizard.Pid(), false)) {
        EXPECT_NE(TextOf(w), WizardCaption) << "the wizard window must never exist";
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(wizard.ExitCode(), 0u);
}

namespace {

struct WayOut {
    const char* name;
    std::function<void(HWND wizard)> leave;
};

const WayOut WaysOut[] = {
    {"CancelButton",
     [](HWND w) { PostMessageW(FindChild(w, L"Button", L"Отмена"), BM_CLICK, 0, 0); }},
    {"CloseBox", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }},
    {"SystemMenuClose", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"CancelOnTheServerPage",
     [](HWND w) {
         for (int i = 0; i < 2; ++i) {
             SendMessageW(FindChild(w, L"Button", L"Далее >"), BM_CLICK, 0, 0);
         }
         ASSERT_NE(FindChild(w, L"Static", L"Укажите адрес сервера"), nullptr);
         PostMessageW(FindChild(w, L"Button", L"Отмена"), BM_CLICK, 0, 0);
     }},
};

class WayOutTest : public StartupTest, public ::testing::WithParamInterface<WayOut> {};

} // namespace

TEST_P(WayOutTest, EndsWithExitCodeZeroAndWritesNothing) {
    Wizard wizard;
    HWND window = wizard.WaitForCaption(WizardCaption);
    ASSERT_NE(window, nullptr);
    GetParam().leave(window);
    EXPECT_EQ(wizard.ExitCode(), 0u);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, ProductKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(Startup, WayOutTest, ::testing::ValuesIn(WaysOut),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, ArgumentsChangeNothingAndTheWindowCarriesTheOnlyTaskbarButton) {
    Wizard wizard(L" /S /install C:\\elsewhere --silent");
    HWND window = wizard.WaitForCaption(WizardCaption);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(FindChild(window, L"Static", L"Вас приветствует программа установки Вортан.Бар"),
              nullptr);
    EXPECT_NE(FindChild(window, L"Button", L"Далее >"), nullptr);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(TopLevelOf(wizard.Pid(), true), std::vector<HWND>{window});
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(wizard.ExitCode(), 0u);
}

TEST_F(StartupTest, AfterAnInstallErrorTheProgramEndsWithExitCodeZero) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(ProductKey) + L"\\5").c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, ProductKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    const wchar_t path[] = L"C:\\no such parent folder\\VortanBar";
    RegSetValueExW(key, L"Install Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                   sizeof(path));
    RegCloseKey(key);

    Wizard wizard;
    HWND window = wizard.WaitForCaption(WizardCaption);
    ASSERT_NE(window, nullptr);
    for (int i = 0; i < 3; ++i) {
        SendMessageW(FindChild(window, L"Button", L"Далее >"), BM_CLICK, 0, 0);
    }
    HWND install = FindChild(window, L"Button", L"Установить");
    ASSERT_NE(install, nullptr);
    PostMessageW(install, BM_CLICK, 0, 0); // it shows a box before it returns
    HWND box = wizard.WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)),
              L"Невозможно создать директорию\r\n Программа установки будет закрыта.");
    EXPECT_EQ(TextOf(box), L"Ошибка");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(wizard.ExitCode(), 0u);
}

namespace {

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT size = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041904B0\\") + name;
    if (VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &size) ==
        FALSE) {
        return L"";
    }
    return value;
}

} // namespace

TEST(ExecutableTest, CarriesItsVersionAndAManifestForCommonControlsAsInvoker) {
    const std::wstring exe = Wide(WIZARD_EXE);
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Вортан.Бар");
    EXPECT_EQ(VersionString(info, L"CompanyName"), L"Dremvik");
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"Установщик Вортан.Бар");
    EXPECT_EQ(VersionString(info, L"FileVersion"), L"1.0.0.0");

    HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    const std::string manifest(data, SizeofResource(module, found));
    FreeLibrary(module);
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\" uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);
    EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAware"), std::string::npos) << "the system scales the window";
}
