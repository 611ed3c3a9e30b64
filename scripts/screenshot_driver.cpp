// Walks the wizard for scripts/screenshots.sh. It runs inside Wine's virtual
// desktop (whose windows are out of reach from outside it), starts the wizard
// there, and at each step writes <signals>\ready-<name>.txt holding the
// window's bounds, then waits for <signals>\done-<name>.txt from the script.
//
//   screenshot_driver.exe <wizard.exe> <signals folder>
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace {

std::wstring signals;

std::wstring TextOf(HWND h) {
    wchar_t text[512] = {};
    GetWindowTextW(h, text, 512);
    return text;
}

HWND TopLevel(DWORD pid, const std::wstring& caption) {
    for (int i = 0; i < 400; ++i) {
        struct Search {
            DWORD pid;
            const std::wstring* caption;
            HWND found;
        } s{pid, &caption, nullptr};
        EnumWindows(
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == s->pid && IsWindowVisible(w) && TextOf(w) == *s->caption) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found != nullptr) {
            return s.found;
        }
        Sleep(50);
    }
    return nullptr;
}

HWND Child(HWND parent, const std::wstring& cls, const std::wstring& text, int tries = 400) {
    for (int i = 0; i < tries; ++i) {
        struct Search {
            const std::wstring* cls;
            const std::wstring* text;
            HWND found;
        } s{&cls, &text, nullptr};
        EnumChildWindows(
            parent,
            [](HWND w, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                wchar_t name[64] = {};
                GetClassNameW(w, name, 64);
                if (*s->cls == name && (s->text->empty() || TextOf(w) == *s->text) &&
                    IsWindowVisible(w)) {
                    s->found = w;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&s));
        if (s.found != nullptr) {
            return s.found;
        }
        Sleep(50);
    }
    return nullptr;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Lets the windows paint, tells the script where to shoot and waits for it.
void Shoot(HWND window, const wchar_t* name) {
    Sleep(700);
    RECT r{};
    GetWindowRect(window, &r);
    const std::wstring ready = signals + L"\\ready-" + name + L".txt";
    const std::wstring done = signals + L"\\done-" + name + L".txt";
    const std::string bounds = std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' +
                               std::to_string(r.right - r.left) + ' ' +
                               std::to_string(r.bottom - r.top) + '\n';
    // Written aside and renamed, so the script never reads half a line.
    HANDLE file = CreateFileW((ready + L".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bounds.data(), static_cast<DWORD>(bounds.size()), &written, nullptr);
    CloseHandle(file);
    MoveFileW((ready + L".tmp").c_str(), ready.c_str());
    for (int i = 0; i < 600 && !Exists(done); ++i) {
        Sleep(100);
    }
}

void Press(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        return 2;
    }
    signals = argv[2];
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        return 3;
    }
    HWND wizard = TopLevel(pi.dwProcessId, L"Установка Вортан.Бар");
    if (wizard == nullptr) {
        return 4;
    }
    Shoot(wizard, L"1-welcome");
    Press(Child(wizard, L"Button", L"Далее >"));
    Shoot(wizard, L"2-folder");
    Press(Child(wizard, L"Button", L"Далее >"));
    Shoot(wizard, L"3-server");
    Press(Child(wizard, L"Button", L"Далее >"));
    // Focus the first row, as the arrow key does.
    HWND list = Child(wizard, WC_LISTVIEWW, L"");
    PostMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
    Shoot(wizard, L"4-console");

    PostMessageW(Child(wizard, L"Button", L"Редактировать"), BM_CLICK, 0, 0);
    HWND editor = TopLevel(pi.dwProcessId, L"Параметры кнопки Вортан");
    if (editor == nullptr) {
        return 5;
    }
    Shoot(wizard, L"5-editor");
    PostMessageW(Child(editor, L"Button", L"Отмена"), BM_CLICK, 0, 0);
    Sleep(500);

    PostMessageW(Child(wizard, L"Button", L"Установить"), BM_CLICK, 0, 0);
    // The install waits for the registration tool.
    if (Child(wizard, L"Static", L"Мастер установки окончил свою работу", 1800) == nullptr) {
        return 6;
    }
    Shoot(wizard, L"6-finish");
    PostMessageW(Child(wizard, L"Button", L"Закрыть"), BM_CLICK, 0, 0);
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
