// The whole wizard from outside, as a user works it: start the real program
// from a distributable folder, walk its pages through its windows, install,
// and check what the machine holds afterwards; then start it again.
#include "window_driver.h"

#include "support/scratch.h"
#include "support/standin_registration.h"
#include "vcl/text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace testing_support;
using namespace e2e;
namespace fs = std::filesystem;

namespace {

const std::wstring Product = L"SOFTWARE\\Dremvik\\VortanBar";
const wchar_t* const Caption = L"Установка Вортан.Бар";

struct Wizard {
    PROCESS_INFORMATION pi{};
    HWND window = nullptr;

    explicit Wizard(const fs::path& exe) {
        // Arguments must change nothing.
        std::wstring cmd = L"\"" + exe.wstring() + L"\" /s --install C:\\elsewhere";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            exe.parent_path().c_str(), &si, &pi)) {
            throw std::runtime_error("cannot start the wizard");
        }
        window = WaitForTopLevel(pi.dwProcessId, Caption);
    }
    ~Wizard() {
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(pi.hProcess, 99);
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    DWORD ExitCode(DWORD timeoutMs = 20000) {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0) {
            return STILL_ACTIVE;
        }
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        return code;
    }
    HWND OnlyEdit() {
        auto edits = Visible(window, L"Edit");
        return edits.size() == 1 ? edits[0] : nullptr;
    }
    HWND List() {
        auto lists = Visible(window, L"SysListView32");
        return lists.size() == 1 ? lists[0] : nullptr;
    }
    int Rows() { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
    void Next() { Press(Button(window, L"Далее >")); }

    // Opens the console editor with `button`, checks what it shows, fills it and confirms.
    void Editor(const wchar_t* button, const std::wstring& expectPult,
                const std::wstring& expectPass, const std::wstring& pult,
                const std::wstring& pass) {
        PressAsync(Button(window, button));
        HWND dialog = WaitForTopLevel(pi.dwProcessId, L"Параметры кнопки Вортан");
        ASSERT_NE(dialog, nullptr);
        auto edits = Visible(dialog, L"Edit");
        ASSERT_EQ(edits.size(), 2u);
        EXPECT_EQ(Text(edits[0]), expectPult);
        EXPECT_EQ(Text(edits[1]), expectPass);
        Type(edits[0], pult);
        Type(edits[1], pass);
        Press(Button(dialog, L"OK"));
        EXPECT_TRUE(WaitGone(dialog));
    }
    // Puts the list's focus on the row at `index` (screen order), as the arrow keys do.
    void FocusRow(int index) {
        Key(List(), VK_HOME);
        for (int i = 0; i < index; ++i) {
            Key(List(), VK_DOWN);
        }
    }
};

void ForgetInstall() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\Dremvik");
    ForgetRegistration();
}

DWORD RunBatch(const fs::path& script) {
    std::wstring cmd = L"cmd.exe /c \"" + script.wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        script.parent_path().c_str(), &si, &pi)) {
        return 1000;
    }
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

} // namespace

TEST(WholeWizard, InstallsWhatTheUserEnteredAndShowsItAgainNextTime) {
    ForgetInstall();
    ScratchFolder dist("dist wizard");
    ScratchFolder home("install home");
    fs::copy_file(WIZARD_EXE, dist.Path() / "VortanBarSetup.exe");
    fs::copy_file(VORTANBAR_STANDIN_DLL, dist.Path() / "VortanBar.dll");
    fs::copy_file(VORTANBAR_UNINSTALL_BAT, dist.Path() / "uninstall.bat");
    const fs::path folder = home.Path() / "Вортан Бар";
    const std::wstring folderText = folder.wstring();

    {
        Wizard w(dist.Path() / "VortanBarSetup.exe");
        ASSERT_NE(w.window, nullptr) << "the wizard window did not appear";
        EXPECT_NE(StaticWithText(w.window, L"Вас приветствует программа установки Вортан.Бар"),
                  nullptr);
        w.Next();

        ASSERT_NE(w.OnlyEdit(), nullptr);
        EXPECT_EQ(Text(w.OnlyEdit()), L"C:\\Program Files\\VortanBar");
        Type(w.OnlyEdit(), L"  " + folderText + L" ");
        w.Next();

        ASSERT_NE(w.OnlyEdit(), nullptr);
        EXPECT_EQ(Text(w.OnlyEdit()), L"192.168.0.100");
        Type(w.OnlyEdit(), L" 10.1.2.3 ");
        Press(Button(w.window, L"Яндекс.Карты"));
        w.Next();

        HWND install = Button(w.window, L"Установить");
        ASSERT_NE(install, nullptr);
        EXPECT_FALSE(IsWindowEnabled(install)); // nothing to install yet
        ASSERT_NE(w.List(), nullptr);
        EXPECT_EQ(w.Rows(), 0);

        w.Editor(L"Добавить", L"", L"", L"  501 ", L" один ");
        w.Editor(L"Добавить", L"", L"", L"502", L"два");
        w.Editor(L"Добавить", L"", L"", L"503", L"три");
        EXPECT_EQ(w.Rows(), 3);
        EXPECT_TRUE(IsWindowEnabled(install));

        w.FocusRow(1);
        w.Editor(L"Редактировать", L"502", L"два", L"502", L"два изменён");
        w.FocusRow(0);
        Press(Button(w.window, L"Удалить"));
        EXPECT_EQ(w.Rows(), 2);

        Press(install);
        EXPECT_NE(StaticWithText(w.window, L"Установка Вортан.Бар успешно завершена"), nullptr);
        EXPECT_EQ(Button(w.window, L"< Назад"), nullptr); // hidden
        ASSERT_NE(Button(w.window, L"Отмена"), nullptr);
        EXPECT_FALSE(IsWindowEnabled(Button(w.window, L"Отмена")));
        Press(Button(w.window, L"Закрыть"));
        EXPECT_EQ(w.ExitCode(), 0u);
    }

    for (const char* name : {"VortanBar.dll", "uninstall.bat", "VortanBarSetup.exe"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FileBytes(folder / name), FileBytes(dist.Path() / name));
    }
    const auto server = RegisteredServer();
    ASSERT_TRUE(server);
    EXPECT_TRUE(fs::equivalent(*server, folder / "VortanBar.dll"));
    EXPECT_EQ(ValueNames(Product),
              (std::vector<std::wstring>{L"Install Path", L"Server Address", L"UseGoogle"}));
    EXPECT_EQ(ReadRaw(Product, L"Install Path"), Sz(folderText));
    EXPECT_EQ(ReadRaw(Product, L"Server Address"), Sz(L"10.1.2.3"));
    EXPECT_EQ(ReadRaw(Product, L"UseGoogle"), Dword(0));
    EXPECT_EQ(SubkeyNames(Product), (std::vector<std::wstring>{L"502", L"503"}));
    EXPECT_EQ(ReadRaw(Product + L"\\502", L"Password"), Sz(L"два изменён"));
    EXPECT_EQ(ReadRaw(Product + L"\\503", L"Password"), Sz(L"три"));

    {
        // Run again from the install folder: the saved settings come back.
        Wizard w(folder / "VortanBarSetup.exe");
        ASSERT_NE(w.window, nullptr);
        w.Next();
        EXPECT_EQ(Text(w.OnlyEdit()), folderText);
        w.Next();
        EXPECT_EQ(Text(w.OnlyEdit()), L"10.1.2.3");
        EXPECT_EQ(SendMessageW(Button(w.window, L"Яндекс.Карты"), BM_GETCHECK, 0, 0), BST_CHECKED);
        w.Next();
        EXPECT_EQ(w.Rows(), 2);
        Press(Button(w.window, L"Отмена"));
        EXPECT_EQ(w.ExitCode(), 0u);
    }
    EXPECT_EQ(SubkeyNames(Product), (std::vector<std::wstring>{L"502", L"503"}));

    // And the installed uninstall script takes it all away again.
    EXPECT_EQ(RunBatch(folder / "uninstall.bat"), 0u);
    EXPECT_FALSE(RegisteredServer());
    EXPECT_FALSE(KeyExists(Product));
    EXPECT_FALSE(fs::exists(folder / "VortanBar.dll"));
    ForgetInstall();
}
