#include "vcl/list_view.h"

#include "vcl/form_description.h"
#include "vcl/text.h"
#include "vcl/window_internals.h"

#include <commctrl.h>

namespace vcl {

TSortableList::TSortableList() = default;
TSortableList::~TSortableList() = default;

void TSortableList::CreateHandle(const ControlRow& row) {
    // No LVS_EDITLABELS: nothing typed into a cell could reach the model.
    const DWORD style = WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS | LVS_REPORT |
                        LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    HWND list =
        detail::MakeChildWindow(*this, WC_LISTVIEWW, style, WS_EX_CLIENTEDGE, Parent()->Handle(),
                                {row.left, row.top, row.width, row.height}, "", ControlId());
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void TSortableList::AddColumn(const ControlRow& row) {
    const int index = ColumnCount();
    std::wstring caption = Widen(row.caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = row.width;
    column.pszText = caption.data();
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    const FontSpec headerFont = row.font.Inherits() ? Font() : row.font;
    columns_.push_back(
        std::make_unique<TListColumn>(row.name, index, headerFont, row.look.centred));
}

void TSortableList::Loaded() {
    // The cells keep the list's font; the header gets the columns' own.
    HWND header = ListView_GetHeader(Handle());
    if (!columns_.empty()) {
        SendMessageW(header, WM_SETFONT,
                     reinterpret_cast<WPARAM>(detail::FontHandle(columns_.front()->HeaderFont())),
                     TRUE);
    }
    ShowSortMark();
    FitColumn();
}

TListColumn* TSortableList::Column(std::string_view name) const {
    for (const auto& column : columns_) {
        if (column->Name() == name) {
            return column.get();
        }
    }
    return nullptr;
}

std::string TSortableList::ColumnCaption(int index) const {
    wchar_t text[256] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 255;
    SendMessageW(ListView_GetHeader(Handle()), HDM_GETITEMW, index,
                 reinterpret_cast<LPARAM>(&item));
    return Narrow(text);
}

void TSortableList::Clear() {
    SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
    FitColumn();
}

void TSortableList::Add(const std::string& text, std::intptr_t data) {
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = Count();
    item.pszText = wide.data();
    item.lParam = data;
    SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    if (sortOrder_ != TSortOrder::soNone) {
        Sort();
    }
    FitColumn();
}

int TSortableList::Count() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

int TSortableList::FocusedRow() const {
    return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_FOCUSED, 0)));
}

void TSortableList::SetFocusedRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    item.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
    SendMessageW(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

std::optional<std::intptr_t> TSortableList::FocusedData() const {
    const int row = FocusedRow();
    if (row < 0) {
        return std::nullopt;
    }
    return RowData(row);
}

void TSortableList::DeleteFocused() {
    const int row = FocusedRow();
    if (row >= 0) {
        SendMessageW(Handle(), LVM_DELETEITEM, row, 0);
    }
}

std::string TSortableList::RowText(int row) const {
    std::wstring text(1024, L'\0');
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto n = SendMessageW(Handle(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(n));
    return Narrow(text);
}

std::intptr_t TSortableList::RowData(int row) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

void TSortableList::ToggleSort() {
    sortOrder_ =
        sortOrder_ == TSortOrder::soAscending ? TSortOrder::soDescending : TSortOrder::soAscending;
    Sort();
    ShowSortMark();
}

int TSortableList::Compare(std::intptr_t a, std::intptr_t b, std::intptr_t self) {
    // Called back from the list view: nothing may escape into comctl32.
    try {
        const auto* list = reinterpret_cast<const TSortableList*>(self);
        int order = 0;
        if (list->sortText_) {
            const std::wstring left = Widen(list->sortText_(a));
            const std::wstring right = Widen(list->sortText_(b));
            order = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.c_str(),
                                   static_cast<int>(left.size()), right.c_str(),
                                   static_cast<int>(right.size())) -
                    CSTR_EQUAL;
        }
        if (order == 0) {
            order = a < b ? -1 : (a > b ? 1 : 0); // equal texts keep the model's order
        }
        return list->sortOrder_ == TSortOrder::soDescending ? -order : order;
    } catch (...) {
        return 0;
    }
}

void TSortableList::Sort() {
    if (sortOrder_ == TSortOrder::soNone) {
        return;
    }
    auto callback = [](LPARAM a, LPARAM b, LPARAM self) -> int { return Compare(a, b, self); };
    SendMessageW(Handle(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                 reinterpret_cast<LPARAM>(static_cast<PFNLVCOMPARE>(callback)));
}

void TSortableList::ShowSortMark() {
    HWND header = ListView_GetHeader(Handle());
    for (const auto& column : columns_) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        SendMessageW(header, HDM_GETITEMW, column->Index(), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_JUSTIFYMASK | HDF_SORTUP | HDF_SORTDOWN);
        // The list view keeps its first column left-aligned; the header item can be centred.
        item.fmt |= column->Centred() ? HDF_CENTER : HDF_LEFT;
        if (column->Index() == 0 && sortOrder_ == TSortOrder::soAscending) {
            item.fmt |= HDF_SORTUP;
        } else if (column->Index() == 0 && sortOrder_ == TSortOrder::soDescending) {
            item.fmt |= HDF_SORTDOWN;
        }
        SendMessageW(header, HDM_SETITEMW, column->Index(), reinterpret_cast<LPARAM>(&item));
    }
}

void TSortableList::FitColumn() {
    if (!columns_.empty()) {
        SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, ColumnCount() - 1, LVSCW_AUTOSIZE_USEHEADER);
    }
}

bool TSortableList::Notify(const void* header, std::intptr_t& result) {
    const auto* nm = static_cast<const NMHDR*>(header);
    switch (nm->code) {
    case LVN_COLUMNCLICK:
        ToggleSort();
        result = 0;
        return true;
    case NM_DBLCLK: {
        const auto* activate = static_cast<const NMITEMACTIVATE*>(header);
        if (activate->iItem >= 0 && onDblClick_) {
            onDblClick_(*this);
        }
        result = 0;
        return true;
    }
    case LVN_BEGINLABELEDITW:
        result = TRUE; // no editing in place
        return true;
    default:
        return false;
    }
}

} // namespace vcl
