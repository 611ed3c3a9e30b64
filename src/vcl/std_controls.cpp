#include "vcl/std_controls.h"

#include "vcl/form.h"
#include "vcl/text.h"
#include "vcl/win_handles.h"
#include "vcl/window_internals.h"

#include <algorithm>
#include <vector>

namespace vcl {
namespace {

TRect RowBounds(const ControlRow& row) {
    return {row.left, row.top, row.width, row.height};
}

HWND ParentHandle(const TControl& control) {
    return control.Parent()->Handle();
}

// Every control starts a group of its own, except a radio button that follows
// another: then the arrows move within the radio buttons only.
DWORD GroupStyle(const TControl& control, bool isRadio) {
    const auto& siblings = control.Parent()->Controls();
    if (isRadio && !siblings.empty() && dynamic_cast<TRadioButton*>(siblings.back()) != nullptr) {
        return 0;
    }
    return WS_GROUP;
}

const wchar_t* GlyphResource(TBitBtnKind kind) {
    switch (kind) {
    case TBitBtnKind::bkOK:
        return L"GLYPH_OK";
    case TBitBtnKind::bkCancel:
        return L"GLYPH_CANCEL";
    case TBitBtnKind::bkAbort:
        return L"GLYPH_ABORT";
    case TBitBtnKind::bkRetry:
        return L"GLYPH_RETRY";
    case TBitBtnKind::bkIgnore:
        return L"GLYPH_IGNORE";
    case TBitBtnKind::bkCustom:
        break;
    }
    return nullptr;
}

int KindResult(TBitBtnKind kind) {
    switch (kind) {
    case TBitBtnKind::bkOK:
        return mrOk;
    case TBitBtnKind::bkCancel:
        return mrCancel;
    case TBitBtnKind::bkAbort:
        return mrAbort;
    case TBitBtnKind::bkRetry:
        return mrRetry;
    case TBitBtnKind::bkIgnore:
        return mrIgnore;
    case TBitBtnKind::bkCustom:
        break;
    }
    return mrNone;
}

} // namespace

// --- TButton ---------------------------------------------------------------

void TButton::CreateHandle(const ControlRow& row) {
    const DWORD style = WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | GroupStyle(*this, false) |
                        (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    detail::MakeChildWindow(*this, L"Button", style, 0, ParentHandle(*this), RowBounds(row),
                            row.caption, ControlId());
}

void TButton::Click() {
    if (TForm* form = ParentForm()) {
        form->SetModalResult(modalResult_);
    }
    if (onClick_) {
        onClick_(*this);
    }
}

void TButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    if (Handle() != nullptr) {
        SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

bool TButton::Command(unsigned code) {
    if (code == BN_CLICKED) {
        Click();
        return true;
    }
    return false;
}

// --- TBitBtn ---------------------------------------------------------------

struct TBitBtn::Glyph {
    UniqueImageList images;
};

TBitBtn::TBitBtn() = default;
TBitBtn::~TBitBtn() = default;

void TBitBtn::CreateHandle(const ControlRow& row) {
    kind_ = row.look.kind;
    SetModalResult(KindResult(kind_));
    SetDefault(kind_ == TBitBtnKind::bkOK);
    SetCancel(kind_ == TBitBtnKind::bkCancel);
    TButton::CreateHandle(row);

    const wchar_t* resource = GlyphResource(kind_);
    if (resource == nullptr) {
        return;
    }
    UniqueGdiObject bitmap(
        LoadImageW(detail::ModuleInstance(), resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return; // an executable without the glyphs shows captions only
    }
    BITMAP info{};
    GetObjectW(bitmap.get(), sizeof(info), &info);
    COLORREF transparent = 0;
    if (HDC dc = CreateCompatibleDC(nullptr)) {
        HGDIOBJ old = SelectObject(dc, bitmap.get());
        transparent = GetPixel(dc, 0, info.bmHeight - 1);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    auto glyph = std::make_unique<Glyph>();
    glyph->images.reset(
        ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!glyph->images ||
        ImageList_AddMasked(glyph->images.get(), static_cast<HBITMAP>(bitmap.get()), transparent) <
            0) {
        return;
    }
    BUTTON_IMAGELIST list{};
    list.himl = glyph->images.get();
    list.margin = {6, 0, 0, 0};
    list.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)) != FALSE) {
        glyph_ = std::move(glyph);
    }
}

// --- TEdit -----------------------------------------------------------------

void TEdit::CreateHandle(const ControlRow& row) {
    const DWORD style =
        WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | GroupStyle(*this, false) | ES_AUTOHSCROLL;
    detail::MakeChildWindow(*this, L"Edit", style, WS_EX_CLIENTEDGE, ParentHandle(*this),
                            RowBounds(row), row.caption, ControlId());
}

// --- TLabel ----------------------------------------------------------------

void TLabel::CreateHandle(const ControlRow& row) {
    DWORD align = SS_LEFTNOWORDWRAP;
    if (row.look.centred) {
        align = SS_CENTER;
    } else if (row.look.wordWrap) {
        align = SS_LEFT;
    }
    TRect bounds = RowBounds(row);
    if (row.width == AutoSize || row.height == AutoSize) {
        // Sized to its text in its own font.
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, detail::FontHandle(Font()));
        const std::wstring text = Widen(row.caption);
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        if (row.width == AutoSize) {
            bounds.Width = r.right;
        }
        if (row.height == AutoSize) {
            bounds.Height = r.bottom;
        }
    }
    const DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP | SS_NOPREFIX | align;
    detail::MakeChildWindow(*this, L"Static", style, 0, ParentHandle(*this), bounds, row.caption,
                            ControlId());
}

void* TLabel::ControlColor(void* dc) {
    HDC hdc = static_cast<HDC>(dc);
    SetTextColor(hdc, detail::ResolveColor(Font().color));
    SetBkMode(hdc, TRANSPARENT);
    return detail::BrushFor(Parent()->Color());
}

// --- TRadioButton ----------------------------------------------------------

void TRadioButton::CreateHandle(const ControlRow& row) {
    const DWORD style = WS_VISIBLE | WS_CLIPSIBLINGS | GroupStyle(*this, true) | BS_AUTORADIOBUTTON;
    detail::MakeChildWindow(*this, L"Button", style, 0, ParentHandle(*this), RowBounds(row),
                            row.caption, ControlId());
    UpdateTabStops();
}

bool TRadioButton::Checked() const {
    return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (checked) {
        for (TControl* sibling : Parent()->Controls()) {
            if (sibling != this && dynamic_cast<TRadioButton*>(sibling) != nullptr) {
                SendMessageW(sibling->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    UpdateTabStops();
}

bool TRadioButton::Command(unsigned code) {
    if (code == BN_CLICKED) {
        UpdateTabStops();
        return true;
    }
    return false;
}

void TRadioButton::UpdateTabStops() {
    // The checked one takes the tab stop; with none checked, the first does.
    std::vector<HWND> radios;
    for (TControl* sibling : Parent()->Controls()) {
        if (dynamic_cast<TRadioButton*>(sibling) != nullptr) {
            radios.push_back(sibling->Handle());
        }
    }
    if (std::find(radios.begin(), radios.end(), Handle()) == radios.end()) {
        radios.push_back(Handle()); // not yet among the parent's children
    }
    HWND stop = radios.front();
    for (HWND radio : radios) {
        if (SendMessageW(radio, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            stop = radio;
        }
    }
    for (HWND radio : radios) {
        LONG_PTR style = GetWindowLongPtrW(radio, GWL_STYLE);
        style = radio == stop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(radio, GWL_STYLE, style);
    }
}

// --- TBevel ----------------------------------------------------------------

void TBevel::CreateHandle(const ControlRow& row) {
    SetColor(Parent()->Color());
    detail::MakeChildWindow(*this, detail::OwnClassName(detail::OwnClass::Bevel),
                            WS_VISIBLE | WS_CLIPSIBLINGS, 0, ParentHandle(*this), RowBounds(row),
                            "", ControlId());
}

std::intptr_t TBevel::WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r{};
        GetClientRect(Handle(), &r);
        DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP); // shadow over highlight: a lowered line
        EndPaint(Handle(), &ps);
        return 0;
    }
    return TControl::WindowProc(message, wParam, lParam);
}

} // namespace vcl
