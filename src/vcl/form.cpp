#include "vcl/form.h"

#include "vcl/application.h"
#include "vcl/containers.h"
#include "vcl/image.h"
#include "vcl/list_view.h"
#include "vcl/std_controls.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <algorithm>
#include <map>

namespace vcl {
namespace {

// The fixed dialog frame: not resizable, no minimise or maximise box.
constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;

std::unique_ptr<TControl> MakeControl(ControlClass cls) {
    switch (cls) {
    case ControlClass::Panel:
        return std::make_unique<TPanel>();
    case ControlClass::Image:
        return std::make_unique<TImage>();
    case ControlClass::Label:
        return std::make_unique<TLabel>();
    case ControlClass::Bevel:
        return std::make_unique<TBevel>();
    case ControlClass::Button:
        return std::make_unique<TButton>();
    case ControlClass::BitBtn:
        return std::make_unique<TBitBtn>();
    case ControlClass::PageControl:
        return std::make_unique<TPageControl>();
    case ControlClass::TabSheet:
        return std::make_unique<TTabSheet>();
    case ControlClass::GroupBox:
        return std::make_unique<TGroupBox>();
    case ControlClass::Edit:
        return std::make_unique<TEdit>();
    case ControlClass::RadioButton:
        return std::make_unique<TRadioButton>();
    case ControlClass::List:
        return std::make_unique<TSortableList>();
    case ControlClass::ListColumn:
        break;
    }
    return nullptr;
}

struct ReenableWindows {
    std::vector<HWND> windows;
    void Now() {
        for (HWND w : windows) {
            EnableWindow(w, TRUE);
        }
        windows.clear();
    }
    ~ReenableWindows() { Now(); }
};

} // namespace

TForm::TForm(TForm* owner) : owner_(owner) {}

TForm::~TForm() {
    if (Handle() != nullptr) {
        DestroyWindow(Handle());
    }
}

void TForm::CreateHandle(const ControlRow& /*row*/) {
    // A form is made by LoadDescription, never as a row of another form.
    throw Exception("A form cannot be a control of another form");
}

void TForm::LoadDescription(const FormDescription& description) {
    const FormRow& f = description.form;
    SetName(f.name);
    SetFontSpec(f.font);
    SetColor(f.color);
    position_ = f.position;

    RECT r{0, 0, f.clientWidth, f.clientHeight};
    AdjustWindowRectEx(&r, FormStyle, FALSE, FormExStyle);
    HWND ownerWindow = nullptr;
    if (owner_ != nullptr) {
        ownerWindow = owner_->Handle();
    } else if (TForm* main = Application().MainForm(); main != nullptr && main != this) {
        ownerWindow = main->Handle();
    }
    HWND hwnd = CreateWindowExW(FormExStyle, detail::OwnClassName(detail::OwnClass::Form),
                                Widen(f.caption).c_str(), FormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                r.right - r.left, r.bottom - r.top, ownerWindow, nullptr,
                                detail::ModuleInstance(), static_cast<TControl*>(this));
    if (hwnd == nullptr) {
        throw Exception("Cannot create the window of " + Name());
    }
    ApplyFont();
    if (HMENU menu = GetSystemMenu(hwnd, FALSE)) {
        for (UINT item : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
            DeleteMenu(menu, item, MF_BYCOMMAND);
        }
    }

    std::map<std::string, int, std::less<>> nextTabOrder;
    for (const ControlRow& row : description.controls) {
        TControl* parent =
            std::string_view(row.parent) == f.name ? this : FindComponent(row.parent);
        if (parent == nullptr) {
            throw Exception(std::string("The parent of ") + row.name + " must come before it");
        }
        if (FindComponent(row.name) != nullptr) {
            throw Exception(std::string("Two controls are named ") + row.name);
        }
        if (row.tabOrder != NoTabOrder) {
            int& expected = nextTabOrder[row.parent];
            if (row.tabOrder != expected) {
                throw Exception(std::string("The rows are not in tab order at ") + row.name);
            }
            ++expected;
        }
        if (row.cls == ControlClass::ListColumn) {
            auto* list = dynamic_cast<TSortableList*>(parent);
            if (list == nullptr) {
                throw Exception(std::string("The column ") + row.name + " is not in a list");
            }
            list->AddColumn(row);
            continue;
        }
        std::unique_ptr<TControl> control = MakeControl(row.cls);
        control->Create(*this, parent, row);
        components_.push_back(std::move(control));
    }
    for (const auto& control : components_) {
        control->Loaded();
    }
}

TControl* TForm::FindComponent(std::string_view name) const {
    for (const auto& control : components_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

TButton* TForm::DefaultButton() const {
    for (const auto& control : components_) {
        if (auto* button = dynamic_cast<TButton*>(control.get()); button && button->Default()) {
            return button;
        }
    }
    return nullptr;
}

TButton* TForm::CancelButton() const {
    for (const auto& control : components_) {
        if (auto* button = dynamic_cast<TButton*>(control.get()); button && button->Cancel()) {
            return button;
        }
    }
    return nullptr;
}

int TForm::ClientWidth() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight() const {
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TForm::PlaceOnScreen() {
    RECT own{};
    GetWindowRect(Handle(), &own);
    const int w = own.right - own.left;
    const int h = own.bottom - own.top;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (position_ == TPosition::poMainFormCenter) {
        TForm* main = Application().MainForm();
        if (main != nullptr && main != this && main->Handle() != nullptr) {
            GetWindowRect(main->Handle(), &area);
        }
    }
    if (position_ != TPosition::poDesigned) {
        const int x = std::max(0L, area.left + (area.right - area.left - w) / 2);
        const int y = std::max(0L, area.top + (area.bottom - area.top - h) / 2);
        SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    placed_ = true;
}

void TForm::Show() {
    if (!placed_) {
        PlaceOnScreen();
    }
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    HWND focus = GetFocus();
    if (focus == nullptr || focus == Handle() || IsChild(Handle(), focus) == FALSE) {
        RestoreFocus();
    }
}

void TForm::Hide() {
    ShowWindow(Handle(), SW_HIDE);
}

int TForm::ShowModal() {
    if (modal_ || Visible()) {
        throw Exception("Cannot make a visible window modal");
    }
    // Every other window of this thread is disabled while the form is up.
    ReenableWindows others;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM list) -> BOOL {
            auto* windows = detail::FromMessage<std::vector<HWND>*>(list);
            if (IsWindowVisible(w) != FALSE && IsWindowEnabled(w) != FALSE) {
                windows->push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&others.windows));
    others.windows.erase(std::remove(others.windows.begin(), others.windows.end(), Handle()),
                         others.windows.end());
    HWND previouslyActive = GetActiveWindow();
    for (HWND w : others.windows) {
        EnableWindow(w, FALSE);
    }

    struct Finish {
        TForm& form;
        ReenableWindows& others;
        HWND previouslyActive;
        ~Finish() {
            // Re-enabled before the form hides, so the activation goes back to them.
            others.Now();
            if (previouslyActive != nullptr && IsWindow(previouslyActive) != FALSE) {
                SetActiveWindow(previouslyActive);
            }
            if (form.Handle() != nullptr) {
                form.Hide();
            }
            form.modal_ = false;
        }
    } finish{*this, others, previouslyActive};

    modal_ = true;
    modalResult_ = mrNone;
    savedFocus_ = nullptr;
    Show();
    Application().ModalShown(*this);
    while (modalResult_ == mrNone) {
        if (Application().Terminated() || Handle() == nullptr) {
            modalResult_ = mrCancel;
            break;
        }
        MSG msg;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // for the outer loop
            modalResult_ = mrCancel;
            break;
        }
        if (got == -1) {
            modalResult_ = mrCancel;
            break;
        }
        Application().DispatchOne(&msg);
    }
    return modalResult_;
}

void TForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;
    } else if (Application().MainForm() == this) {
        Application().Terminate();
    } else {
        Hide();
    }
}

void TForm::RestoreFocus() {
    HWND saved = savedFocus_;
    if (saved != nullptr && IsWindow(saved) != FALSE && IsChild(Handle(), saved) != FALSE &&
        IsWindowVisible(saved) != FALSE && IsWindowEnabled(saved) != FALSE) {
        ::SetFocus(saved);
        return;
    }
    SelectFirst();
}

void TForm::EnterKey() {
    // A focused push button is the one Enter presses; otherwise the default button.
    if (auto* focused = dynamic_cast<TButton*>(detail::ControlFromHandle(GetFocus()))) {
        if (focused->ParentForm() == this && focused->CanFocus()) {
            focused->Click();
            return;
        }
    }
    if (TButton* button = DefaultButton(); button != nullptr && button->CanFocus()) {
        button->Click();
    }
}

void TForm::CancelKey() {
    if (TButton* button = CancelButton(); button != nullptr && button->CanFocus()) {
        button->Click();
    } else if (modal_) {
        modalResult_ = mrCancel;
    }
}

std::intptr_t TForm::WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        // IsDialogMessage turns Enter and Esc into IDOK and IDCANCEL without a control.
        if (lParam == 0 && HIWORD(wParam) == 0) {
            if (LOWORD(wParam) == IDOK) {
                EnterKey();
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                CancelKey();
                return 0;
            }
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(Handle(), focus) != FALSE) {
                savedFocus_ = focus;
            }
        } else if (HIWORD(wParam) == 0) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    default:
        break;
    }
    return TControl::WindowProc(message, wParam, lParam);
}

} // namespace vcl
