#include "window_driver.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

struct Find {
    DWORD pid;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindTop(HWND w, LPARAM p) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the callback's own parameter
    auto* f = reinterpret_cast<Find*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == f->pid && IsWindowVisible(w) && Text(w) == f->caption) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

struct Collect {
    std::wstring cls;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChild(HWND w, LPARAM p) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the callback's own parameter
    auto* c = reinterpret_cast<Collect*>(p);
    if (ClassOf(w) == c->cls && Shown(w)) {
        c->found.push_back(w);
    }
    return TRUE;
}

void Require(bool ok, const std::string& what) {
    if (!ok) {
        throw std::runtime_error(what);
    }
}

} // namespace

HWND WaitForTopLevel(DWORD pid, const std::wstring& caption, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    do {
        Find f{pid, caption};
        EnumWindows(FindTop, reinterpret_cast<LPARAM>(&f));
        if (f.found) {
            return f.found;
        }
        Sleep(50);
    } while (GetTickCount64() < end);
    return nullptr;
}

bool WaitGone(HWND window, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

std::wstring Text(HWND window) {
    wchar_t buf[1024] = {};
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG,
                        5000, &got);
    return buf;
}

std::wstring ClassOf(HWND window) {
    wchar_t buf[256] = {};
    GetClassNameW(window, buf, 256);
    return buf;
}

bool Shown(HWND window) {
    for (HWND w = window; w; w = GetParent(w)) {
        if (!IsWindowVisible(w)) {
            return false;
        }
        if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) {
            break;
        }
    }
    return true;
}

std::vector<HWND> Visible(HWND top, const std::wstring& cls) {
    Collect c{cls, {}};
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&c));
    std::sort(c.found.begin(), c.found.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return c.found;
}

HWND Button(HWND top, const std::wstring& caption) {
    for (HWND b : Visible(top, L"Button")) {
        if (Text(b) == caption) {
            return b;
        }
    }
    return nullptr;
}

HWND StaticWithText(HWND top, const std::wstring& text) {
    for (HWND s : Visible(top, L"Static")) {
        if (Text(s) == text) {
            return s;
        }
    }
    return nullptr;
}

void Type(HWND edit, const std::wstring& text) {
    Require(edit && Shown(edit) && IsWindowEnabled(edit), "edit box not usable");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CLEAR, 0, 0);
    for (wchar_t ch : text) {
        SendMessageW(edit, WM_CHAR, ch, 0);
    }
}

void Press(HWND button, DWORD timeoutMs) {
    Require(button && Shown(button) && IsWindowEnabled(button), "button hidden or disabled");
    DWORD_PTR ignored = 0;
    Require(SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0,
            "button press not handled in time");
}

void PressAsync(HWND button) {
    Require(button && Shown(button) && IsWindowEnabled(button), "button hidden or disabled");
    PostMessageW(button, BM_CLICK, 0, 0);
}

void Key(HWND window, WORD vk) {
    PostMessageW(window, WM_KEYDOWN, vk, 1);
    PostMessageW(window, WM_KEYUP, vk, 0xC0000001);
}

} // namespace e2e
