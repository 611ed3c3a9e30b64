#include "real_box.h"

namespace ui_testing {
namespace {

RealBoxAnswerer* current = nullptr;

std::wstring ClassOf(HWND h) {
    wchar_t name[64] = {};
    GetClassNameW(h, name, 64);
    return name;
}

std::wstring TextOf(HWND h) {
    wchar_t text[1024] = {};
    GetWindowTextW(h, text, 1024);
    return text;
}

bool ShowsIcon(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        const auto style = GetWindowLongPtrW(c, GWL_STYLE);
        if (ClassOf(c) == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
            (style & WS_VISIBLE) != 0 && SendMessageW(c, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

} // namespace

RealBoxAnswerer::RealBoxAnswerer() {
    current = this;
    // cppcheck-suppress useInitializationList ; the hook may call back once it is set
    hook_ = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

RealBoxAnswerer::~RealBoxAnswerer() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

LRESULT CALLBACK RealBoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && current != nullptr) {
        HWND window = reinterpret_cast<HWND>(wParam); // NOLINT(performance-no-int-to-ptr)
        if (ClassOf(window) == L"#32770" && GetDlgItem(window, 0xFFFF) != nullptr) {
            current->seen_.push_back({TextOf(GetDlgItem(window, 0xFFFF)), TextOf(window),
                                      ShowsIcon(window), GetWindow(window, GW_OWNER)});
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace ui_testing
