#include "vcl/containers.h"

#include "vcl/exception.h"
#include "vcl/form_description.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

namespace vcl {
namespace {

TRect RowBounds(const ControlRow& row) {
    return {row.left, row.top, row.width, row.height};
}

constexpr DWORD ContainerStyle = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

} // namespace

// --- TPanel ----------------------------------------------------------------

void TPanel::CreateHandle(const ControlRow& row) {
    SetColor(row.look.color);
    bevel_ = row.look.bevel;
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::Panel),
                            WS_VISIBLE | ContainerStyle, WS_EX_CONTROLPARENT, Parent()->Handle(),
                            RowBounds(row), row.caption, ControlId());
}

std::intptr_t TPanel::WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        if (bevel_) {
            RECT r{};
            GetClientRect(Handle(), &r);
            // Raised outer edge, lowered inner edge.
            DrawEdge(dc, &r, BDR_RAISEDOUTER | BDR_SUNKENINNER, BF_RECT);
        }
        EndPaint(Handle(), &ps);
        return 0;
    }
    return TControl::WindowProc(message, wParam, lParam);
}

// --- TGroupBox -------------------------------------------------------------

void TGroupBox::CreateHandle(const ControlRow& row) {
    SetColor(row.look.color);
    // No WS_CLIPCHILDREN: the frame covers the whole box and paints no interior,
    // so the box must erase under it, as a dialog does under its group boxes.
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::GroupBox),
                            WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, Parent()->Handle(),
                            RowBounds(row), row.caption, ControlId());
}

void TGroupBox::Loaded() {
    // Made last, so it lies below the children it frames and never covers them.
    RECT r{};
    GetClientRect(Handle(), &r);
    frame_ = CreateWindowExW(0, L"Button", Widen(Caption()).c_str(),
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0, r.right,
                             r.bottom, Handle(), nullptr, detail::ModuleInstance(), nullptr);
    if (frame_ == nullptr) {
        throw Exception("Cannot create the frame of " + Name());
    }
    SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(detail::FontHandle(Font())), FALSE);
    SetWindowPos(frame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// --- TTabSheet -------------------------------------------------------------

void TTabSheet::CreateHandle(const ControlRow& row) {
    pageControl_ = dynamic_cast<TPageControl*>(Parent());
    if (pageControl_ == nullptr) {
        throw Exception("The page " + Name() + " is not on a page control");
    }
    SetColor(row.look.color);
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::TabSheet), ContainerStyle,
                            WS_EX_CONTROLPARENT, Parent()->Handle(), RowBounds(row), row.caption,
                            ControlId());
    pageControl_->AddPage(this);
}

int TTabSheet::PageIndex() const {
    for (int i = 0; i < pageControl_->PageCount(); ++i) {
        if (pageControl_->Pages(i) == this) {
            return i;
        }
    }
    return -1;
}

void TTabSheet::DoShow() {
    if (onShow_) {
        onShow_(*this);
    }
}

// --- TPageControl ----------------------------------------------------------

void TPageControl::CreateHandle(const ControlRow& row) {
    SetColor(row.look.color);
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::PageControl),
                            WS_VISIBLE | ContainerStyle, WS_EX_CONTROLPARENT, Parent()->Handle(),
                            RowBounds(row), row.caption, ControlId());
}

int TPageControl::ActivePageIndex() const {
    return active_ == nullptr ? -1 : active_->PageIndex();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page == active_) {
        return;
    }
    if (page != nullptr && page->PageControl() != this) {
        throw Exception("The page " + page->Name() + " is not on " + Name());
    }
    TTabSheet* old = active_;
    HWND focus = GetFocus();
    const bool focusInOld =
        old != nullptr && focus != nullptr && IsChild(old->Handle(), focus) != FALSE;
    if (focusInOld) {
        // Otherwise the focus would stay on a control of the hidden page.
        ::SetFocus(Handle());
    }
    active_ = page;
    if (page != nullptr) {
        ShowWindow(page->Handle(), SW_SHOWNA);
    }
    if (old != nullptr) {
        ShowWindow(old->Handle(), SW_HIDE);
    }
    if (page != nullptr) {
        page->DoShow();
    }
    if (focusInOld && GetFocus() == Handle()) {
        if (page == nullptr || !page->SelectFirst()) {
            HWND next = GetNextDlgTabItem(GetAncestor(Handle(), GA_ROOT), Handle(), FALSE);
            if (next != nullptr) {
                ::SetFocus(next);
            }
        }
    }
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index < 0 || index >= PageCount() ? nullptr : Pages(index));
}

void TPageControl::SelectNextPage(bool goForward) {
    const int count = PageCount();
    if (count == 0) {
        return;
    }
    const int current = ActivePageIndex();
    int next = 0;
    if (current < 0) {
        next = goForward ? 0 : count - 1;
    } else {
        next = (current + (goForward ? 1 : count - 1)) % count;
    }
    SetActivePage(Pages(next));
}

} // namespace vcl
