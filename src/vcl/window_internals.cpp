#include "vcl/window_internals.h"

#include "vcl/application.h"
#include "vcl/exception.h"
#include "vcl/text.h"

#include <unordered_map>

namespace vcl::detail {
namespace {

std::unordered_map<HWND, TControl*>& Handles() {
    static std::unordered_map<HWND, TControl*> handles;
    return handles;
}

// Binds the object before any other message reaches it and catches every
// exception at the boundary: one may not cross user32 on 64-bit Windows.
LRESULT CALLBACK OwnWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* cs = FromMessage<const CREATESTRUCTW*>(lParam);
        if (cs->lpCreateParams != nullptr) {
            RegisterHandle(hwnd, static_cast<TControl*>(cs->lpCreateParams));
        }
    }
    TControl* control = ControlFromHandle(hwnd);
    if (control == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = control->WindowProc(message, wParam, lParam);
    } catch (...) {
        ShowCurrentException();
        result = message == WM_NCCREATE ? TRUE : 0;
    }
    if (message == WM_NCDESTROY) {
        UnregisterHandle(hwnd);
    }
    return result;
}

struct ClassInfo {
    const wchar_t* name;
    UINT style;
};

const ClassInfo& Info(OwnClass kind) {
    static const ClassInfo infos[] = {
        {L"VclForm", CS_DBLCLKS},
        {L"VclPanel", CS_HREDRAW | CS_VREDRAW},
        {L"VclGroupBox", CS_HREDRAW | CS_VREDRAW},
        {L"VclPageControl", 0},
        {L"VclTabSheet", 0},
        {L"VclImage", CS_HREDRAW | CS_VREDRAW},
        {L"VclBevel", CS_HREDRAW | CS_VREDRAW},
    };
    return infos[static_cast<int>(kind)];
}

} // namespace

const wchar_t* OwnClassName(OwnClass kind) {
    const ClassInfo& info = Info(kind);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(ModuleInstance(), info.name, &existing) == FALSE) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = info.style;
        wc.lpfnWndProc = OwnWindowProc;
        wc.hInstance = ModuleInstance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        if (kind == OwnClass::Form) {
            // The program's icon, when the executable carries one.
            wc.hIcon = LoadIconW(ModuleInstance(), L"MAINICON");
            wc.hIconSm = static_cast<HICON>(LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON,
                                                       GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0));
        }
        wc.lpszClassName = info.name;
        if (RegisterClassExW(&wc) == 0) {
            throw Exception("Cannot register the window class " + Narrow(info.name));
        }
    }
    return info.name;
}

TControl* ControlFromHandle(HWND handle) {
    const auto found = Handles().find(handle);
    return found == Handles().end() ? nullptr : found->second;
}

void RegisterHandle(NativeWindow handle, TControl* control) {
    Handles()[handle] = control;
    control->handle_ = handle;
}

void UnregisterHandle(NativeWindow handle) {
    const auto found = Handles().find(handle);
    if (found != Handles().end()) {
        found->second->handle_ = nullptr;
        Handles().erase(found);
    }
}

HWND MakeChildWindow(TControl& self, const wchar_t* className, DWORD style, DWORD exStyle,
                     HWND parent, const TRect& b, const std::string& text, int id) {
    HWND hwnd = CreateWindowExW(
        exStyle, className, Widen(text).c_str(), style | WS_CHILD, b.Left, b.Top, b.Width, b.Height,
        parent, FromMessage<HMENU>(static_cast<std::intptr_t>(id)), ModuleInstance(), &self);
    if (hwnd == nullptr) {
        throw Exception("Cannot create the window " + self.Name());
    }
    if (ControlFromHandle(hwnd) == nullptr) {
        RegisterHandle(hwnd, &self);
    }
    return hwnd;
}

HINSTANCE ModuleInstance() {
    return GetModuleHandleW(nullptr);
}

void ShowCurrentException() noexcept {
    try {
        try {
            // Only ever called from inside a catch block.
            // cppcheck-suppress rethrowNoCurrentException
            throw;
        } catch (const Exception& error) {
            Application().ShowException(error);
        } catch (const std::exception& error) {
            Application().ShowException(Exception(error.what()));
        } catch (...) {
            Application().ShowException(Exception(""));
        }
    } catch (...) {
        // Nothing more can be shown; the message loop goes on.
    }
}

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            if (TControl* child = ControlFromHandle(FromMessage<HWND>(lParam))) {
                result = 0;
                return child->Command(HIWORD(wParam));
            }
        }
        return false;
    case WM_NOTIFY: {
        const auto* header = FromMessage<const NMHDR*>(lParam);
        if (TControl* child = ControlFromHandle(header->hwndFrom)) {
            std::intptr_t r = 0;
            if (child->Notify(header, r)) {
                result = r;
                return true;
            }
        }
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        if (TControl* child = ControlFromHandle(FromMessage<HWND>(lParam))) {
            if (void* brush =
                    child->ControlColor(FromMessage<HDC>(static_cast<std::intptr_t>(wParam)))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

} // namespace vcl::detail
