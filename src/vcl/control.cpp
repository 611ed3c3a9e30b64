#include "vcl/control.h"

#include "vcl/exception.h"
#include "vcl/form.h"
#include "vcl/form_description.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <algorithm>
#include <vector>

namespace vcl {

TControl::~TControl() {
    if (handle_ != nullptr) {
        detail::UnregisterHandle(handle_);
    }
}

TForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_ != nullptr) {
        c = c->parent_;
    }
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

TRect TControl::BoundsRect() const {
    RECT r{};
    GetWindowRect(handle_, &r);
    HWND parent = GetParent(handle_);
    if (parent != nullptr && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TControl::SetBounds(const TRect& b) {
    SetWindowPos(handle_, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TControl::Caption() const {
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return Narrow(text);
}

void TControl::SetCaption(const std::string& text) {
    SetWindowTextW(handle_, Widen(text).c_str());
}

bool TControl::Enabled() const {
    return IsWindowEnabled(handle_) != FALSE;
}

namespace {

void InTabOrder(TControl* control, std::vector<TControl*>& out) {
    out.push_back(control);
    for (TControl* child : control->Controls()) {
        InTabOrder(child, out);
    }
}

bool IsWithin(const TControl* control, const TControl* ancestor) {
    for (const TControl* c = control; c != nullptr; c = c->Parent()) {
        if (c == ancestor) {
            return true;
        }
    }
    return false;
}

// Gives the focus to the next control in tab order outside `leaving` (or to
// the form), so the keyboard never ends up on a disabled or hidden window.
void PassFocusOn(TControl& leaving) {
    TControl* root = &leaving;
    while (root->Parent() != nullptr) {
        root = root->Parent();
    }
    std::vector<TControl*> order;
    InTabOrder(root, order);
    const auto at = std::find(order.begin(), order.end(), &leaving);
    const size_t start = static_cast<size_t>(at - order.begin());
    for (size_t i = 1; i < order.size(); ++i) {
        TControl* candidate = order[(start + i) % order.size()];
        const LONG_PTR style = GetWindowLongPtrW(candidate->Handle(), GWL_STYLE);
        if (!IsWithin(candidate, &leaving) && (style & WS_TABSTOP) != 0 && candidate->CanFocus()) {
            candidate->SetFocus();
            return;
        }
    }
    ::SetFocus(root->Handle());
}

bool HasFocusWithin(HWND window) {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == window || IsChild(window, focus) != FALSE);
}

} // namespace

void TControl::SetEnabled(bool enabled) {
    // Asked before: the system drops the focus of a window it disables.
    const bool hadFocus = !enabled && HasFocusWithin(handle_);
    EnableWindow(handle_, enabled ? TRUE : FALSE);
    if (hadFocus) {
        PassFocusOn(*this);
    }
}

bool TControl::Visible() const {
    return (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
    const bool hadFocus = !visible && HasFocusWithin(handle_);
    ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    if (hadFocus) {
        PassFocusOn(*this);
    }
}

bool TControl::Showing() const {
    return IsWindowVisible(handle_) != FALSE;
}

bool TControl::Focused() const {
    return handle_ != nullptr && GetFocus() == handle_;
}

bool TControl::CanFocus() const {
    if (!Showing()) {
        return false;
    }
    for (HWND w = handle_; w != nullptr; w = GetParent(w)) {
        if (IsWindowEnabled(w) == FALSE) {
            return false;
        }
        if ((GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return true;
}

void TControl::SetFocus() {
    ::SetFocus(handle_);
}

bool TControl::SelectFirst() {
    for (TControl* child : children_) {
        const LONG_PTR style = GetWindowLongPtrW(child->handle_, GWL_STYLE);
        if ((style & WS_TABSTOP) != 0 && child->CanFocus()) {
            child->SetFocus();
            return true;
        }
        if (child->Showing() && child->SelectFirst()) {
            return true;
        }
    }
    return false;
}

std::intptr_t TControl::WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    LRESULT result = 0;
    if (detail::ReflectToChild(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(detail::FontHandle(font_));
    case WM_SETFONT:
        return 0; // the font comes from the description
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(handle_, &r);
        FillRect(detail::FromMessage<HDC>(static_cast<std::intptr_t>(wParam)), &r,
                 detail::BrushFor(color_));
        return 1;
    }
    default:
        return DefaultProc(message, wParam, lParam);
    }
}

std::intptr_t TControl::DefaultProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return DefWindowProcW(handle_, message, wParam, lParam);
}

bool TControl::Command(unsigned /*code*/) {
    return false;
}

bool TControl::Notify(const void* /*header*/, std::intptr_t& /*result*/) {
    return false;
}

void* TControl::ControlColor(void* /*dc*/) {
    return nullptr;
}

void TControl::Create(TForm& form, TControl* parent, const ControlRow& row) {
    name_ = row.name;
    parent_ = parent;
    tabOrder_ = row.tabOrder;
    id_ = form.NextControlId();
    font_ = row.font.Inherits() ? parent->Font() : row.font;
    CreateHandle(row);
    if (handle_ == nullptr) {
        throw Exception("Cannot create the window of " + name_);
    }
    parent->children_.push_back(this);
    ApplyFont();
}

void TControl::ApplyFont() {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(detail::FontHandle(font_)), FALSE);
}

} // namespace vcl
